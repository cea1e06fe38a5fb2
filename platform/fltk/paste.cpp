// The selection is fetched by a window of our own, so that FLTK's own selection handling
// never sees the transfer's events: the owner writes the text into a property of that
// window, whole or (when it is large) in pieces, each piece deleted once read to ask
// for the next, until an empty piece ends it.
#include "platform/fltk/paste.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/x.H>

#if defined(__unix__) && !defined(__APPLE__)
#include <X11/Xatom.h>

#include <memory>
#include <string>
#include <string_view>

#include "services/message_services.h"

namespace {

// No piece for this long: the owner is gone or stuck, and the paste is given up.
constexpr double kStallSeconds = 5.0;
constexpr const char* kTooLong = "粘贴的文字超过2MB，未粘贴";
constexpr const char* kCutShort = "粘贴的文字没有完整送到，未粘贴";

Atom AtomNamed(const char* name) {
  return XInternAtom(fl_display, name, False);
}

struct Transfer {
  explicit Transfer(Fl_Widget& receiver) : box(&receiver) {}
  ~Transfer() {
    if (window != 0)
      XDestroyWindow(fl_display, window);
  }
  Transfer(const Transfer&) = delete;
  Transfer& operator=(const Transfer&) = delete;

  Fl_Widget_Tracker box;
  ::Window window = 0;
  Atom selection = 0;
  Atom target = 0;  // UTF8_STRING, or STRING (Latin-1) from an owner without UTF-8
  Atom property = 0;
  bool incremental = false;
  std::string text;
};

std::unique_ptr<Transfer> g_transfer;

void Stalled(void*);

void End() {
  Fl::remove_timeout(Stalled);
  g_transfer.reset();
}

void Refuse(const char* why) {
  End();
  ShowMessageBox(Gb(why), message_flags::kTopMost);
}

void Stalled(void*) {
  Refuse(kCutShort);
}

void Ask(Transfer& t) {
  XConvertSelection(fl_display, t.selection, t.target, t.property, t.window, fl_event_time);
  XFlush(fl_display);
  Fl::remove_timeout(Stalled);
  Fl::add_timeout(kStallSeconds, Stalled);
}

enum class Piece { Text, Incremental, TooLong, Broken };

// Appends what the property holds and deletes it (which asks for the next piece).
Piece TakeProperty(Transfer& t, size_t& taken) {
  static const Atom incr = AtomNamed("INCR");
  taken = 0;
  long offset = 0;  // in 32-bit units, as X counts
  for (;;) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(fl_display, t.window, t.property, offset, 1L << 16, False,
                           AnyPropertyType, &type, &format, &items, &after, &data) != Success)
      return Piece::Broken;
    if (type == incr) {
      XFree(data);
      XDeleteProperty(fl_display, t.window, t.property);  // the owner starts sending
      return Piece::Incremental;
    }
    if (type == None || format != 8) {
      if (data != nullptr)
        XFree(data);
      XDeleteProperty(fl_display, t.window, t.property);
      return Piece::Broken;
    }
    t.text.append(reinterpret_cast<const char*>(data), items);
    taken += items;
    XFree(data);
    if (t.text.size() > kPasteLimit) {
      XDeleteProperty(fl_display, t.window, t.property);
      return Piece::TooLong;
    }
    if (after == 0)
      break;
    offset += static_cast<long>(items / 4);
  }
  XDeleteProperty(fl_display, t.window, t.property);
  XFlush(fl_display);
  return Piece::Text;
}

// The text as the boxes take a paste: UTF-8, lines broken by LF alone.
std::string AsPasted(const std::string& received, bool latin1) {
  std::string text;
  text.reserve(received.size());
  for (size_t i = 0; i < received.size(); ++i) {
    const auto byte = static_cast<unsigned char>(received[i]);
    if (byte == '\r' && i + 1 < received.size() && received[i + 1] == '\n')
      continue;
    if (latin1 && byte >= 0x80) {
      text += static_cast<char>(0xC0 | (byte >> 6));
      text += static_cast<char>(0x80 | (byte & 0x3F));
    } else {
      text += static_cast<char>(byte);
    }
  }
  return text;
}

void Deliver() {
  const std::unique_ptr<Transfer> t = std::move(g_transfer);
  Fl::remove_timeout(Stalled);
  std::string text = AsPasted(t->text, t->target == XA_STRING);
  Fl_Widget* box = t->box.widget();
  if (box == nullptr || text.empty())
    return;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  Fl::e_clipboard_type = Fl::clipboard_plain_text;
  box->handle(FL_PASTE);
  Fl::e_text = nullptr;
  Fl::e_length = 0;
}

void Received(Piece piece, size_t taken) {
  Transfer& t = *g_transfer;
  switch (piece) {
    case Piece::Incremental:
      t.incremental = true;
      break;
    case Piece::TooLong:
      return Refuse(kTooLong);
    case Piece::Broken:
      return Refuse(kCutShort);
    case Piece::Text:
      if (!t.incremental || taken == 0)
        return Deliver();  // whole at once, or the empty piece that ends the pieces
      break;
  }
  Fl::remove_timeout(Stalled);
  Fl::add_timeout(kStallSeconds, Stalled);
}

// Sees every X event before FLTK does and takes those addressed to the transfer's window.
int OnXEvent(void* event, void*) {
  const XEvent& e = *static_cast<const XEvent*>(event);
  if (g_transfer == nullptr || e.xany.window != g_transfer->window)
    return 0;
  Transfer& t = *g_transfer;
  size_t taken = 0;
  if (e.type == SelectionNotify) {
    if (e.xselection.property == None) {
      if (t.target == XA_STRING) {
        End();  // the owner has no text to give: nothing is pasted, as anywhere else
      } else {
        t.target = XA_STRING;
        Ask(t);
      }
      return 1;
    }
    const Piece piece = TakeProperty(t, taken);
    Received(piece, taken);
  } else if (e.type == PropertyNotify && t.incremental && e.xproperty.atom == t.property &&
             e.xproperty.state == PropertyNewValue) {
    const Piece piece = TakeProperty(t, taken);
    Received(piece, taken);
  }
  return 1;
}

}  // namespace

bool IsPasteKey() {
  const int state = Fl::event_state();
  const int key = Fl::event_key();
  if ((state & (FL_ALT | FL_META)) != 0)
    return false;
  return ((state & FL_CTRL) != 0 && (state & FL_SHIFT) == 0 && key == 'v') ||
         ((state & FL_SHIFT) != 0 && (state & FL_CTRL) == 0 && key == FL_Insert);
}

void RequestPaste(Fl_Widget& box, int source) {
  fl_open_display();
  const Atom selection = source == 0 ? XA_PRIMARY : AtomNamed("CLIPBOARD");
  const ::Window owner = XGetSelectionOwner(fl_display, selection);
  if (owner == None)
    return;  // nothing to paste (the program's own copy comes through X11 like any other)
  static const bool installed = (Fl::add_system_handler(OnXEvent, nullptr), true);
  (void)installed;
  End();  // a paste still on its way is given up for the newer one
  auto t = std::make_unique<Transfer>(box);
  t->selection = selection;
  t->target = AtomNamed("UTF8_STRING");
  t->property = AtomNamed("SCOREBOARD_PASTE");
  XSetWindowAttributes attributes{};
  attributes.event_mask = PropertyChangeMask;
  t->window = XCreateWindow(fl_display, RootWindow(fl_display, fl_screen), -10, -10, 1, 1, 0, 0,
                            InputOnly, CopyFromParent, CWEventMask, &attributes);
  g_transfer = std::move(t);
  Ask(*g_transfer);
}

bool PasteFits() {
  if (static_cast<size_t>(Fl::event_length()) <= kPasteLimit)
    return true;
  ShowMessageBox(Gb(kTooLong), message_flags::kTopMost);
  return false;
}

#else  // no X11: FLTK's own paste

bool IsPasteKey() {
  return false;
}

void RequestPaste(Fl_Widget& box, int source) {
  Fl::paste(box, source);
}

bool PasteFits() {
  return true;
}

#endif
