#include "clipboard_in_pieces.h"

#ifdef SCOREBOARD_BINARY
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <utility>

namespace {

// A requestor that has gone away leaves errors behind; the next request is served anyway.
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

struct Pending {
  size_t sent = 0;
  bool done = false;
};

[[noreturn]] void Serve(const std::string& display_name, const std::string& text, size_t piece) {
  Display* display = XOpenDisplay(display_name.c_str());
  if (display == nullptr)
    _exit(1);
  XSetErrorHandler(IgnoreErrors);
  const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
  const Atom targets = XInternAtom(display, "TARGETS", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom incr = XInternAtom(display, "INCR", False);
  const Window owner =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, clipboard, owner, CurrentTime);
  XFlush(display);
  std::map<std::pair<Window, Atom>, Pending> pending;  // by requestor and property
  for (;;) {
    if (XPending(display) == 0) {
      pollfd fd{ConnectionNumber(display), POLLIN, 0};
      poll(&fd, 1, 1000);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == SelectionRequest) {
      const XSelectionRequestEvent& request = event.xselectionrequest;
      XSelectionEvent answer{};
      answer.type = SelectionNotify;
      answer.requestor = request.requestor;
      answer.selection = request.selection;
      answer.target = request.target;
      answer.time = request.time;
      answer.property = request.property == None ? request.target : request.property;
      if (request.target == targets) {
        const Atom offered[] = {targets, utf8};
        XChangeProperty(display, request.requestor, answer.property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(offered), 2);
      } else if (request.target == utf8) {
        // Every text goes in pieces, announced as one piece long.
        XSelectInput(display, request.requestor, PropertyChangeMask);
        const long announced = static_cast<long>(piece);
        XChangeProperty(display, request.requestor, answer.property, incr, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&announced), 1);
        pending[{request.requestor, answer.property}] = Pending{};
      } else {
        answer.property = None;
      }
      XSendEvent(display, request.requestor, False, NoEventMask,
                 reinterpret_cast<XEvent*>(&answer));
      XFlush(display);
    } else if (event.type == PropertyNotify && event.xproperty.state == PropertyDelete) {
      // The requestor took the last piece (or the announcement): the next one follows,
      // and after the last an empty one.
      const auto it = pending.find({event.xproperty.window, event.xproperty.atom});
      if (it == pending.end())
        continue;
      Pending& transfer = it->second;
      if (transfer.done) {
        pending.erase(it);
        continue;
      }
      const size_t length = std::min(piece, text.size() - transfer.sent);
      XChangeProperty(display, event.xproperty.window, event.xproperty.atom, utf8, 8,
                      PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data() + transfer.sent),
                      static_cast<int>(length));
      transfer.sent += length;
      transfer.done = length == 0;
      XFlush(display);
    } else if (event.type == SelectionClear) {
      _exit(0);  // someone else owns the clipboard now
    }
  }
}

}  // namespace

pid_t ServeClipboardInPieces(const std::string& display, const std::string& utf8, size_t piece) {
  const pid_t pid = fork();
  if (pid == 0)
    Serve(display, utf8, piece);
  return pid;
}
#endif
