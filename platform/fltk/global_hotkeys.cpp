#include "platform/fltk/global_hotkeys.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <set>

namespace {

KeySym KeySymOf(int32_t virtual_key) {
  if (virtual_key >= 'A' && virtual_key <= 'Z')
    return XK_a + static_cast<KeySym>(virtual_key - 'A');
  if (virtual_key >= '0' && virtual_key <= '9')
    return XK_0 + static_cast<KeySym>(virtual_key - '0');
  if (virtual_key >= 0x70 && virtual_key <= 0x87)
    return XK_F1 + static_cast<KeySym>(virtual_key - 0x70);
  if (virtual_key >= 0x60 && virtual_key <= 0x69)
    return XK_KP_0 + static_cast<KeySym>(virtual_key - 0x60);
  switch (virtual_key) {
    case 0x6A:
      return XK_KP_Multiply;
    case 0x6B:
      return XK_KP_Add;
    case 0x6D:
      return XK_KP_Subtract;
    case 0x6E:
      return XK_KP_Decimal;
    case 0x6F:
      return XK_KP_Divide;
    case 0x25:
      return XK_Left;
    case 0x26:
      return XK_Up;
    case 0x27:
      return XK_Right;
    case 0x28:
      return XK_Down;
    default:
      return NoSymbol;
  }
}

// The modifier bit a key such as Num_Lock sets on this server; 0 when none does.
unsigned MaskOf(Display* display, KeySym symbol) {
  const KeyCode code = XKeysymToKeycode(display, symbol);
  if (code == 0)
    return 0;
  unsigned mask = 0;
  if (XModifierKeymap* map = XGetModifierMapping(display)) {
    for (int modifier = 0; modifier < 8 && mask == 0; ++modifier) {
      for (int k = 0; k < map->max_keypermod; ++k) {
        if (map->modifiermap[modifier * map->max_keypermod + k] == code) {
          mask = 1u << modifier;
          break;
        }
      }
    }
    XFreeModifiermap(map);
  }
  return mask;
}

bool g_refused = false;
int NoteRefusal(Display* /*display*/, XErrorEvent* error) {
  if (error->error_code == BadAccess)
    g_refused = true;
  return 0;
}

}  // namespace

struct GlobalHotkeys::Grabs {
  struct Grab {
    KeyCode code;
    unsigned modifiers;
    ControlId control;
  };
  Display* display = nullptr;
  ::Window root = 0;
  std::vector<Grab> grabs;
  unsigned modifier_bits = 0;           // the bits a binding may ask for
  std::vector<unsigned> lock_variants;  // every mix of CapsLock, NumLock, ScrollLock
  std::set<unsigned> down;              // keys pressed and not yet released
  std::function<void(ControlId)> click;

  const Grab* Find(const XKeyEvent& key) const {
    for (const Grab& grab : grabs) {
      if (grab.code == key.keycode && grab.modifiers == (key.state & modifier_bits))
        return &grab;
    }
    return nullptr;
  }

  // A grabbed key arrives on the root window, whichever window has the focus.
  static int Handle(void* event, void* data) {
    const XEvent& x = *static_cast<const XEvent*>(event);
    Grabs& self = *static_cast<Grabs*>(data);
    if ((x.type != KeyPress && x.type != KeyRelease) || x.xkey.window != self.root)
      return 0;
    const Grab* grab = self.Find(x.xkey);
    if (x.type == KeyRelease) {
      // Without detectable auto-repeat a held key sends release and press pairs with
      // one time stamp: the pair is no release.
      if (XEventsQueued(self.display, QueuedAfterReading) > 0) {
        XEvent next;
        XPeekEvent(self.display, &next);
        if (next.type == KeyPress && next.xkey.keycode == x.xkey.keycode &&
            next.xkey.time == x.xkey.time)
          return 1;
      }
      self.down.erase(x.xkey.keycode);
      return grab != nullptr ? 1 : 0;
    }
    if (grab == nullptr)
      return 0;
    // A held key clicks once; a window of the program's own that is modal (a message
    // box) keeps the board from taking a click, as it keeps the mouse.
    if (self.down.insert(x.xkey.keycode).second && Fl::modal() == nullptr)
      self.click(grab->control);
    return 1;
  }
};

GlobalHotkeys::GlobalHotkeys(std::vector<HotkeyBinding> bindings,
                             std::function<void(ControlId)> click,
                             std::vector<std::string>& problems) {
  if (bindings.empty())
    return;
  fl_open_display();
  if (fl_display == nullptr)
    return;
  grabs_ = std::make_unique<Grabs>();
  Grabs& g = *grabs_;
  g.display = fl_display;
  g.root = RootWindow(fl_display, fl_screen);
  g.click = std::move(click);
  const unsigned alt = MaskOf(g.display, XK_Alt_L) != 0 ? MaskOf(g.display, XK_Alt_L) : Mod1Mask;
  const unsigned super =
      MaskOf(g.display, XK_Super_L) != 0 ? MaskOf(g.display, XK_Super_L) : Mod4Mask;
  g.modifier_bits = ControlMask | ShiftMask | alt | super;
  std::vector<unsigned> locks = {LockMask};
  for (KeySym lock : {XK_Num_Lock, XK_Scroll_Lock}) {
    const unsigned mask = MaskOf(g.display, lock);
    if (mask != 0 && (mask & g.modifier_bits) == 0)
      locks.push_back(mask);
  }
  for (unsigned mix = 0; mix < (1u << locks.size()); ++mix) {
    unsigned variant = 0;
    for (std::size_t i = 0; i < locks.size(); ++i) {
      if ((mix & (1u << i)) != 0)
        variant |= locks[i];
    }
    g.lock_variants.push_back(variant);
  }
  XkbSetDetectableAutoRepeat(g.display, True, nullptr);

  for (const HotkeyBinding& binding : bindings) {
    const KeyCode code = XKeysymToKeycode(g.display, KeySymOf(binding.key.virtual_key));
    if (code == 0) {
      problems.push_back(binding.where + ": " + binding.keys + " is not on this keyboard");
      continue;
    }
    unsigned modifiers = 0;
    if ((binding.key.modifiers & hotkey_modifier::kCtrl) != 0)
      modifiers |= ControlMask;
    if ((binding.key.modifiers & hotkey_modifier::kShift) != 0)
      modifiers |= ShiftMask;
    if ((binding.key.modifiers & hotkey_modifier::kAlt) != 0)
      modifiers |= alt;
    if ((binding.key.modifiers & hotkey_modifier::kWin) != 0)
      modifiers |= super;
    // A key another client grabbed answers BadAccess, reported asynchronously: catch it
    // for this binding alone.
    XSync(g.display, False);
    g_refused = false;
    const auto previous = XSetErrorHandler(NoteRefusal);
    for (unsigned variant : g.lock_variants)
      XGrabKey(g.display, code, modifiers | variant, g.root, True, GrabModeAsync, GrabModeAsync);
    XSync(g.display, False);
    XSetErrorHandler(previous);
    if (g_refused) {
      for (unsigned variant : g.lock_variants)
        XUngrabKey(g.display, code, modifiers | variant, g.root);
      problems.push_back(HeldByAnotherProgram(binding));
      continue;
    }
    g.grabs.push_back({code, modifiers, binding.control});
  }
  XFlush(g.display);
  Fl::add_system_handler(&Grabs::Handle, &g);
}

GlobalHotkeys::~GlobalHotkeys() {
  if (!grabs_)
    return;
  Fl::remove_system_handler(&Grabs::Handle);
  for (const Grabs::Grab& grab : grabs_->grabs) {
    for (unsigned variant : grabs_->lock_variants)
      XUngrabKey(grabs_->display, grab.code, grab.modifiers | variant, grabs_->root);
  }
  XFlush(grabs_->display);
}
