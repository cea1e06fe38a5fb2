#include "platform/fltk/x11_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#if defined(__unix__) && !defined(__APPLE__)
#include <X11/Xatom.h>

namespace {

constexpr double kSearchPeriod = 0.1;
constexpr int kSearchTries = 50;  // five seconds

struct IconifyJob {
  pid_t pid = 0;
  int tries = 0;
};

// The top-level window of a process, by its _NET_WM_PID.
::Window FindWindowOf(Display* display, ::Window root, pid_t pid, Atom pid_atom) {
  ::Window unused_root = 0, unused_parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, root, &unused_root, &unused_parent, &children, &count) == 0)
    return 0;
  ::Window found = 0;
  for (unsigned int n = 0; n < count && found == 0; ++n) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* value = nullptr;
    if (XGetWindowProperty(display, children[n], pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &value) == Success &&
        value != nullptr) {
      if (items == 1 && format == 32 &&
          static_cast<pid_t>(*reinterpret_cast<unsigned long*>(value)) == pid)
        found = children[n];
      XFree(value);
    }
    if (found == 0)
      found = FindWindowOf(display, children[n], pid, pid_atom);
  }
  if (children != nullptr)
    XFree(children);
  return found;
}

void TryIconify(void* data) {
  auto* job = static_cast<IconifyJob*>(data);
  if (Display* display = fl_display) {
    const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
    const ::Window window =
        FindWindowOf(display, XRootWindow(display, fl_screen), job->pid, pid_atom);
    if (window != 0) {
      XIconifyWindow(display, window, fl_screen);
      XFlush(display);
      delete job;
      return;
    }
  }
  if (++job->tries >= kSearchTries) {
    delete job;
    return;
  }
  Fl::repeat_timeout(kSearchPeriod, TryIconify, job);
}

}  // namespace

void SetKeepAbove(Fl_Window& window) {
  Display* display = fl_display;
  const ::Window xid = fl_xid(&window);
  if (display == nullptr || xid == 0)
    return;
  Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  // The property for window managers that read it at map time (and for anyone who
  // looks), the client message for the ones that manage the window already.
  XChangeProperty(display, xid, state, XA_ATOM, 32, PropModeAppend,
                  reinterpret_cast<unsigned char*>(&above), 1);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = xid;
  message.xclient.message_type = state;
  message.xclient.format = 32;
  message.xclient.data.l[0] = 1;  // add
  message.xclient.data.l[1] = static_cast<long>(above);
  message.xclient.data.l[2] = 0;
  message.xclient.data.l[3] = 1;  // asked by a normal application
  XSendEvent(display, XRootWindow(display, fl_screen), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &message);
  XFlush(display);
}

void SetMoveAndCloseOnly(Fl_Window& window) {
  Display* display = fl_display;
  const ::Window xid = fl_xid(&window);
  if (display == nullptr || xid == 0)
    return;
  // The Motif hints: five longs, of which flags, functions and decorations are used.
  constexpr unsigned long kHasFunctions = 1, kHasDecorations = 2;
  constexpr unsigned long kFunctionMove = 4, kFunctionClose = 32;
  constexpr unsigned long kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16;
  unsigned long hints[5] = {kHasFunctions | kHasDecorations, kFunctionMove | kFunctionClose,
                            kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
  Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(display, xid, motif, motif, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(hints), 5);
  XFlush(display);
}

void IconifyWhenShown(pid_t pid) {
  Fl::add_timeout(kSearchPeriod, TryIconify, new IconifyJob{pid, 0});
}

bool DisplayAvailable() {
  if (fl_display != nullptr)
    return true;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr)
    return false;
  XCloseDisplay(display);
  return true;
}

#else
void SetKeepAbove(Fl_Window&) {}
void SetMoveAndCloseOnly(Fl_Window&) {}
void IconifyWhenShown(pid_t) {}
bool DisplayAvailable() {
  return true;
}
#endif
