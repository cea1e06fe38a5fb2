// Colour pickers: a button showing the current colour. Clicking it opens a palette of
// 32 named cells and a button for any other colour; a choice becomes the current colour.
#include "platform/fltk/fltk_draw.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Color_Chooser.H>
#include <FL/Fl_Menu_Window.H>

#include <memory>
#include <optional>

#include "platform/fltk/button_base.h"
#include "platform/fltk/fltk_front_end.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"
#include "shell/keyboard.h"

namespace {

struct NamedColour {
  const char* name;  // shown as the cell's tooltip
  uint32_t rgb;      // #rrggbb
};

// In cell order: the first eight cells form the first column, and so on.
constexpr NamedColour kPalette[32] = {
    {"黑色", 0x000000}, {"藏青", 0x000080}, {"墨绿", 0x008000}, {"深青", 0x008080},
    {"红褐", 0x800000}, {"紫红", 0x800080}, {"褐绿", 0x808000}, {"浅灰", 0xC0C0C0},
    {"灰色", 0x808080}, {"蓝色", 0x0000FF}, {"绿色", 0x00FF00}, {"艳青", 0x00FFFF},
    {"红色", 0xFF0000}, {"品红", 0xFF00FF}, {"黄色", 0xFFFF00}, {"白色", 0xFFFFFF},
    {"蓝灰", 0x8080FF}, {"藏蓝", 0x5830E0}, {"嫩绿", 0x80E000}, {"青绿", 0x00E080},
    {"黄褐", 0xC06000}, {"粉红", 0xFFA8FF}, {"嫩黄", 0xD8D800}, {"银白", 0xECECEC},
    {"紫色", 0x9000FF}, {"天蓝", 0x0088FF}, {"灰绿", 0x80A080}, {"青蓝", 0x0060C0},
    {"橙黄", 0xFF8000}, {"桃红", 0xFF5080}, {"芙红", 0xFF80C0}, {"深灰", 0x606060},
};
constexpr int kCell = 18;
constexpr int kRows = 8;
constexpr int kColumns = 4;
constexpr int kPad = 4;
constexpr int kMoreHeight = 22;

Colour FromRgb(uint32_t rgb) {
  return Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class Cell : public Fl_Button {
 public:
  Cell(int x, int y, const NamedColour& colour, std::optional<Colour>& chosen)
      : Fl_Button(x, y, kCell, kCell), colour_(FromRgb(colour.rgb)), chosen_(chosen) {
    tooltip(colour.name);
    box(FL_THIN_DOWN_BOX);
    color(FlColour(colour_, FL_BLACK));
    callback(Chosen, this);
  }

 private:
  static void Chosen(Fl_Widget* widget, void* data) {
    auto* self = static_cast<Cell*>(data);
    self->chosen_ = self->colour_;
    widget->window()->hide();
  }
  Colour colour_;
  std::optional<Colour>& chosen_;
};

// The pop-up palette; it closes on a choice, on Escape or on a click elsewhere.
class Palette : public Fl_Menu_Window {
 public:
  Palette(int x, int y)
      : Fl_Menu_Window(x, y, kPad * 2 + kColumns * kCell, kPad * 3 + kRows * kCell + kMoreHeight) {
    for (int cell = 0; cell < 32; ++cell) {
      const int column = cell / kRows, row = cell % kRows;
      new Cell(kPad + column * kCell, kPad + row * kCell, kPalette[cell], chosen);
    }
    auto* more =
        new Fl_Button(kPad, kPad * 2 + kRows * kCell, w() - 2 * kPad, kMoreHeight, "其它颜色...");
    more->labelsize(12);
    more->callback(More, this);
    end();
    box(FL_UP_BOX);
    clear_border();
    set_modal();
  }
  ~Palette() override { Fl::remove_timeout(ShowTip, this); }

  int handle(int event) override {
    if (event == FL_MOVE || event == FL_ENTER || event == FL_LEAVE || event == FL_PUSH)
      FollowMouse(event == FL_LEAVE || event == FL_PUSH ? -1
                                                        : CellAt(Fl::event_x(), Fl::event_y()));
    if (event == FL_PUSH &&
        (Fl::event_x() < 0 || Fl::event_y() < 0 || Fl::event_x() >= w() || Fl::event_y() >= h())) {
      hide();
      return 1;
    }
    if (event == FL_KEYBOARD && Fl::event_key() == FL_Escape) {
      hide();
      return 1;
    }
    return Fl_Menu_Window::handle(event);
  }

  std::optional<Colour> chosen;
  bool more_colours = false;

 private:
  static void More(Fl_Widget*, void* data) {
    auto* self = static_cast<Palette*>(data);
    self->more_colours = true;
    self->hide();
  }

  static int CellAt(int x, int y) {
    const int column = (x - kPad) / kCell, row = (y - kPad) / kCell;
    if (x < kPad || y < kPad || column >= kColumns || row >= kRows)
      return -1;
    return column * kRows + row;
  }

  // FLTK shows no tooltip while a window holds the pointer grab, as the palette does to
  // close on a click elsewhere: the palette shows each cell's name itself.
  void FollowMouse(int cell) {
    if (cell == hovered_)
      return;
    hovered_ = cell;
    Fl::remove_timeout(ShowTip, this);
    if (tip_)
      tip_->hide();
    if (cell >= 0)
      Fl::add_timeout(0.5, ShowTip, this);
  }

  static void ShowTip(void* data) {
    auto* self = static_cast<Palette*>(data);
    if (self->hovered_ < 0 || !self->shown())
      return;
    const char* name = kPalette[self->hovered_].name;
    fl_font(FL_HELVETICA, 12);
    const int w = static_cast<int>(fl_width(name)) + 8, h = 18;
    const int column = self->hovered_ / kRows, row = self->hovered_ % kRows;
    const int x = self->x() + kPad + column * kCell + kCell / 2;
    const int y = self->y() + kPad + (row + 1) * kCell + 4;
    if (!self->tip_) {
      Fl_Group::current(nullptr);
      self->tip_ = std::make_unique<Fl_Menu_Window>(x, y, w, h);
      self->tip_label_ = new Fl_Box(0, 0, w, h);
      self->tip_label_->box(FL_BORDER_BOX);
      self->tip_label_->color(fl_rgb_color(0xFF, 0xFF, 0xE1));
      self->tip_label_->labelsize(12);
      self->tip_->end();
      self->tip_->clear_border();
    }
    self->tip_label_->copy_label(name);
    self->tip_label_->size(w, h);
    self->tip_->resize(x, y, w, h);
    self->tip_->show();
  }

  int hovered_ = -1;
  std::unique_ptr<Fl_Menu_Window> tip_;
  Fl_Box* tip_label_ = nullptr;  // belongs to tip_
};

class ColourPickerView : public ButtonBase {
 public:
  ColourPickerView(ViewOwner& owner, const Control& c) : ButtonBase(owner, c) {
    callback(Open, this);
  }

  void draw() override {
    draw_box(Face(), kButtonFace);
    const int inset = Px(4) + (value() != 0 ? Px(1) : 0);
    const int sx = x() + inset, sy = y() + inset - Px(1), sw = w() - Px(8), sh = h() - Px(7);
    const int line = Px(1);
    const Fl_Color swatch = FlColour(control().picked_colour, FL_BLACK);
    // The swatch in a dark frame a scaled pixel wide.
    fl_rectf(sx, sy, sw, sh, active_r() ? FL_DARK3 : fl_inactive(FL_DARK3));
    fl_rectf(sx + line, sy + line, sw - 2 * line, sh - 2 * line,
             active_r() ? swatch : fl_inactive(swatch));
    if (Fl::focus() == this)
      draw_focus();
  }

 private:
  static void Open(Fl_Widget*, void* data) {
    auto* self = static_cast<ColourPickerView*>(data);
    if (!self->active_r())
      return;
    Fl_Window* top = self->window();
    Palette palette(top->x_root() + self->x(), top->y_root() + self->y() + self->h());
    palette.show();
    Fl::grab(&palette);
    while (palette.shown()) Fl::wait();
    Fl::grab(nullptr);
    std::optional<Colour> chosen = palette.chosen;
    if (palette.more_colours) {
      const Colour now = self->control().picked_colour & 0xFFFFFFu;
      uchar r = static_cast<uchar>(now & 0xFF), g = static_cast<uchar>((now >> 8) & 0xFF),
            b = static_cast<uchar>((now >> 16) & 0xFF);
      if (fl_color_chooser("其它颜色", r, g, b, 1) != 0)
        chosen = Rgb(r, g, b);
    }
    if (chosen)
      self->app().Pick(self->id(), *chosen);
    // The focus comes back to the window, on the picker, whatever was chosen.
    self->owner().FocusControl(FocusAfterDialog(self->owner().model(), self->id()));
  }
};

}  // namespace

ControlView* MakeColourPicker(ViewOwner& owner, const Control& control) {
  return new ColourPickerView(owner, control);
}
