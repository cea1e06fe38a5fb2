#include "platform/fltk/fltk_draw.h"

#include "platform/fltk/control_view.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <algorithm>

#include "platform/fltk/keys.h"
#include "platform/fltk/screen_scale.h"
#include "shell/application.h"
#include "shell/keyboard.h"

const Control& ControlView::control() const {
  return *owner_.model().Find(id_);
}

Application& ControlView::app() const {
  return owner_.app();
}

void ControlView::Refresh(Aspect aspect) {
  const Control& c = control();
  Fl_Widget& w = widget();
  switch (aspect) {
    case Aspect::Visible:
      if (c.visible)
        w.show();
      else
        w.hide();
      break;
    case Aspect::Disabled:
      if (c.disabled)
        w.deactivate();
      else
        w.activate();
      break;
    case Aspect::Geometry: {
      const Rect r = Px(WindowRect(owner_.model(), c));
      if (w.window() != nullptr)
        w.window()->damage(FL_DAMAGE_ALL, w.x(), w.y(), w.w(), w.h());
      w.resize(r.left, r.top, r.width, r.height);
      break;
    }
    default:
      ShowAspect(aspect);
      break;
  }
  Invalidate();
}

void ControlView::RefreshAll() {
  // The font comes before the caption: a caption measured in FLTK's default face would
  // open that face for nothing.
  for (Aspect aspect : {Aspect::Geometry, Aspect::Font, Aspect::Caption, Aspect::TextColour,
                        Aspect::Selection, Aspect::Position, Aspect::PickedColour, Aspect::Checked,
                        Aspect::Disabled, Aspect::Visible}) {
    Refresh(aspect);
  }
}

void ControlView::Invalidate() {
  Fl_Widget& w = widget();
  const Fl_Window* window = w.window();
  // The state boxes beyond the right edge change with every second of the clock;
  // drawing them would cost time and show nothing.
  if (window != nullptr && (w.x() >= window->w() || w.y() >= window->h()))
    return;
  w.redraw();
}

bool ControlView::PreHandle(int event) {
  switch (event) {
    case FL_FOCUS:
      app().Focus(id_, true);
      return false;
    case FL_UNFOCUS:
      app().Focus(id_, false);
      return false;
    case FL_KEYBOARD: {
      const int key = Fl::event_key();
      const int32_t virtual_key = VirtualKeyOf(key);
      if (virtual_key == 0)
        return false;  // input-method text and keys without a code go straight on
      const int32_t modifiers = ModifiersOf(Fl::event_state(), key);
      if (TakeWindowKey(app(), id_, virtual_key, modifiers,
                        [this](ControlId target) { owner_.FocusControl(target); }))
        return true;  // a key the window takes raises no event
      const auto goes_on = app().KeyDown(id_, virtual_key, modifiers);
      if (goes_on.has_value() && !*goes_on)
        return true;  // the handler dropped it
      // A key this control has no use for stops here, before FLTK's own navigation.
      return !ControlUsesKey(control(), virtual_key);
    }
    default:
      return false;
  }
}

Fl_Color FlColour(Colour colour, Fl_Color fallback) {
  if (colour == kDefaultColour)
    return fallback;
  return fl_rgb_color(static_cast<uchar>(colour & 0xFF), static_cast<uchar>((colour >> 8) & 0xFF),
                      static_cast<uchar>((colour >> 16) & 0xFF));
}

Fl_Boxtype BorderBox(int32_t border_style, bool filled) {
  switch (border_style) {
    case border::kSunken:
    case border::kSunkenFrame:
      return filled ? FL_DOWN_BOX : FL_DOWN_FRAME;
    case border::kRaised:
      return filled ? FL_UP_BOX : FL_UP_FRAME;
    case border::kShallowSunken:
      return filled ? FL_THIN_DOWN_BOX : FL_THIN_DOWN_FRAME;
    case border::kSingleLine:
      return filled ? FL_BORDER_BOX : FL_BORDER_FRAME;
    default:
      return filled ? FL_FLAT_BOX : FL_NO_BOX;
  }
}

std::string ShownText(const Text& text) {
  std::string utf8 = Utf8FromText(text);
  std::string shown;
  shown.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
      continue;
    shown += utf8[i];
  }
  return shown;
}

std::string WithCrLf(std::string_view shown) {
  std::string text;
  text.reserve(shown.size() + shown.size() / 16);
  for (size_t start = 0; start < shown.size();) {
    const size_t line_end = std::min(shown.find('\n', start), shown.size());
    text.append(shown, start, line_end - start);
    if (line_end < shown.size())
      text += "\r\n";
    start = line_end + 1;
  }
  return text;
}

void DrawPlainText(const std::string& utf8, int x, int y, int w, int h, Fl_Align align, bool bold) {
  fl_draw(utf8.c_str(), x, y, w, h, align, nullptr, 0);
  if (bold)
    fl_draw(utf8.c_str(), x + BoldShift(), y, w, h, align, nullptr, 0);
}

int BoldShift() {
  return Px(1);
}

void DrawCaption(const std::string& utf8, int x, int y, int w, int h, Fl_Align align, bool bold,
                 Fl_Color colour, bool active) {
  if (active) {
    fl_color(colour);
    DrawPlainText(utf8, x, y, w, h, align, bold);
    return;
  }
  // Etched: a white copy one pixel right and down, the shadow grey on top of it.
  const int d = Px(1);
  fl_color(FL_WHITE);
  DrawPlainText(utf8, x + d, y + d, w, h, align, bold);
  fl_color(kGreyedText);
  DrawPlainText(utf8, x, y, w, h, align, bold);
}

Rect WindowRect(const ControlModel& model, const Control& control) {
  Rect r = control.rect;
  if (control.parent != 0) {
    if (const Control* group = model.Find(control.parent)) {
      r.left += group->rect.left;
      r.top += group->rect.top;
    }
  }
  return r;
}
