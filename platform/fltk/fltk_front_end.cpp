#include "platform/fltk/fltk_draw.h"
// fl_display, for the X resources.
#define Font XFont
#define Window XWindow
#include <FL/x.H>
#undef Font
#undef Window

#include "platform/fltk/fltk_front_end.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_RGB_Image.H>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/fltk/main_window.h"
#include "platform/fltk/screen_scale.h"
#include "platform/fltk/views.h"
#include "resources/pictures.h"
#include "shell/application.h"

namespace {

// The scale is read once, from the host's variables and the X server's resources, before
// any widget is made: everything is laid out at it from the start.
void ChooseScaleOnce() {
  fl_open_display();
  std::string complaint;
  SetScreenScale(ChooseScreenScale(std::getenv("SCOREBOARD_SCALE"), std::getenv("GDK_SCALE"),
                                   XResourceManagerString(fl_display), complaint));
  if (!complaint.empty())
    std::fprintf(stderr, "scoreboard: %s\n", complaint.c_str());
  UseScaledFrames();
}

}  // namespace

FltkFrontEnd::FltkFrontEnd() {
  // The desktop the layout was made for paints dialogs in this face colour.
  Fl::background(0xF0, 0xF0, 0xF0);
  Fl::visible_focus(1);
  UseChineseFaceForEveryText();
  // Lets other threads wake the loop (Fl::awake); FLTK asks for it once, on this thread.
  Fl::lock();
}

FltkFrontEnd::~FltkFrontEnd() {
  for (auto& [id, slot] : timers_) Fl::remove_timeout(Tick, &slot);
  delete window_;
}

void FltkFrontEnd::CreateWindow(const ControlModel& model) {
  model_ = &model;
  ChooseScaleOnce();
  const WindowSpec& entry = model.window();
  Fl_Group::current(nullptr);
  window_ = new MainWindow(*this, entry.outer.width, entry.outer.height,
                           Utf8FromText(model.title()).c_str());

  // Every widget first, in reverse catalogue order; then each goes into its parent,
  // also in reverse order, because FLTK draws later children on top and earlier
  // catalogue entries lie on top. A group box may follow its members in the catalogue.
  const auto& controls = model.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    Fl_Group::current(nullptr);
    if (const ViewMaker maker = MakerOf(it->kind))
      views_[it->id] = maker(*this, *it);
  }
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    ControlView* view = ViewOf(it->id);
    if (view == nullptr)
      continue;
    Fl_Group* parent = window_;
    if (it->parent != 0) {
      if (ControlView* group = ViewOf(it->parent); group != nullptr && AsGroup(*group) != nullptr)
        parent = AsGroup(*group);
    }
    parent->add(view->widget());
    view->RefreshAll();
  }
  window_->show();
  window_->KeepAbove();
}

ControlView* FltkFrontEnd::ViewOf(ControlId id) const {
  auto it = views_.find(id);
  return it == views_.end() ? nullptr : it->second;
}

void FltkFrontEnd::Changed(ControlId control, Aspect aspect) {
  if (ControlView* view = ViewOf(control))
    view->Refresh(aspect);
}

void FltkFrontEnd::Tick(void* data) {
  auto* slot = static_cast<TimerSlot*>(data);
  // Rearm first: the tick's handler may stop or restart this very timer.
  Fl::repeat_timeout(slot->period_s, Tick, slot);
  slot->owner->application_->TimerTick(slot->id);
}

void FltkFrontEnd::StartTimer(ControlId timer, int32_t period_ms) {
  TimerSlot& slot = timers_[timer];
  if (slot.running)
    Fl::remove_timeout(Tick, &slot);
  slot.owner = this;
  slot.id = timer;
  slot.period_s = std::max(period_ms, 1) / 1000.0;
  slot.running = true;
  Fl::add_timeout(slot.period_s, Tick, &slot);
}

void FltkFrontEnd::StopTimer(ControlId timer) {
  auto it = timers_.find(timer);
  if (it == timers_.end() || !it->second.running)
    return;
  Fl::remove_timeout(Tick, &it->second);
  it->second.running = false;
}

void FltkFrontEnd::WakeFromAnyThread() {
  // Handled by whichever loop runs next on the user-interface thread: the window's, or a
  // message box's while one is open.
  Fl::awake(RunQueuedWork, this);
}

void FltkFrontEnd::RunQueuedWork(void* front_end) {
  auto* self = static_cast<FltkFrontEnd*>(front_end);
  if (self->application_ != nullptr)
    self->application_->RunQueued();
}

void FltkFrontEnd::RunMessageLoop() {
  while (window_ != nullptr && window_->shown()) {
    Fl::wait();
    if (test_dump_.armed())
      test_dump_.Serve(*model_, FocusedControl(), ScreenScale(),
                       [this](const Control& c) { return ScreenLines(c); });
  }
}

std::string FltkFrontEnd::ScreenLines(const Control& c) const {
  ControlView* view = ViewOf(c.id);
  if (view == nullptr)
    return "";
  // Screen pixels, as a pointer sees them: the widget's place in the window, and how
  // wide its caption's longest line is drawn in its font (the bold strike included).
  const Fl_Widget& w = view->widget();
  const FlFont font = FontOf(c);
  fl_font(font.face, font.size);
  int caption_w = 0;
  const std::string caption = ShownText(c.text);
  for (size_t start = 0; start <= caption.size();) {
    const size_t end = std::min(caption.find('\n', start), caption.size());
    const std::string line = caption.substr(start, end - start);
    caption_w = std::max(caption_w, static_cast<int>(fl_width(line.c_str())));
    start = end + 1;
  }
  if (font.bold && caption_w > 0)
    caption_w += BoldShift();
  return c.name + ".rect=" + std::to_string(w.x()) + "," + std::to_string(w.y()) + "," +
         std::to_string(w.w()) + "," + std::to_string(w.h()) + "\n" + c.name +
         ".caption_width=" + std::to_string(caption_w) + "\n";
}

ControlId FltkFrontEnd::FocusedControl() const {
  for (const auto& [id, view] : views_) {
    if (Fl::focus() == &view->widget())
      return id;
  }
  return 0;
}

void FltkFrontEnd::CloseWindow() {
  application_->WindowClosed();
  for (auto& [id, slot] : timers_) {
    Fl::remove_timeout(Tick, &slot);
    slot.running = false;
  }
  // Any other window (a colour palette, a message box) goes with the main window.
  while (Fl::first_window() != nullptr) Fl::first_window()->hide();
}

void FltkFrontEnd::FocusControl(ControlId id) {
  if (ControlView* view = ViewOf(id))
    view->widget().take_focus();
}

const ScreenPicture* FltkFrontEnd::Picture(const char* name, bool greyed) {
  if (name == nullptr)
    return nullptr;
  auto [it, added] = pictures_.try_emplace({name, greyed});
  ScreenPicture& shown = it->second;
  if (added) {
    // Decoded again for the greyed copy: the pixels are not kept between the two.
    if (const auto picture = DecodeJpeg(EmbeddedPicture(name))) {
      uchar grey[3] = {0, 0, 0};
      Fl::get_color(FL_GRAY, grey[0], grey[1], grey[2]);
      // At another scale the picture is made once at its scaled size from the original
      // with a bilinear filter, and drawn as it is from then on.
      const int w = Px(picture->width), h = Px(picture->height);
      std::unique_ptr<Fl_Image> resized;
      const uint8_t* pixels = picture->rgb.data();
      if (w != picture->width || h != picture->height) {
        Fl_RGB_Image original(picture->rgb.data(), picture->width, picture->height, 3);
        Fl_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
        resized.reset(original.copy(w, h));
        pixels = reinterpret_cast<const uint8_t*>(resized->data()[0]);
      }
      const size_t row_bytes = static_cast<size_t>(w) * 3;
      shown.Fill(w, h, [&](int row, uint8_t* rgb) {
        const uint8_t* from = &pixels[static_cast<size_t>(row) * row_bytes];
        for (size_t i = 0; i < row_bytes; ++i) {
          // As a disabled caption fades: a third of the picture over the face colour.
          rgb[i] =
              greyed ? static_cast<uint8_t>((from[i] * 84u + grey[i % 3] * 172u) >> 8) : from[i];
        }
      });
    }
  }
  return shown.filled() ? &shown : nullptr;
}

void FltkFrontEnd::FillBackground() {
  background_tried_ = true;
  const char* name = model_->window().background_picture;
  if (name == nullptr)
    return;
  JpegRows rows(EmbeddedPicture(name));
  if (!rows.ok())
    return;  // the face colour shows instead
  // Stretched once to the client area at the window's scale with a box filter, so that drawing is a
  // copy. The picture is decoded row by row as the filter needs it: it never exists whole.
  const int w = Px(kClientWidth), h = Px(kClientHeight);
  const int sw = rows.width(), sh = rows.height();
  std::vector<uint8_t> row(static_cast<size_t>(sw) * 3);
  std::vector<unsigned> sum(static_cast<size_t>(w) * 3);
  int decoded = 0;  // rows of the picture read so far; `row` holds the last of them
  bool whole = true;
  background_.Fill(w, h, [&](int y, uint8_t* out) {
    const int y0 = y * sh / h, y1 = std::max(y0 + 1, (y + 1) * sh / h);
    std::fill(sum.begin(), sum.end(), 0u);
    for (int yy = y0; yy < y1; ++yy) {
      // A picture row is read once; a taller window uses the last one again.
      while (decoded <= yy && whole) {
        whole = rows.Next(row.data());
        ++decoded;
      }
      for (int x = 0; x < w; ++x) {
        const int x0 = x * sw / w, x1 = std::max(x0 + 1, (x + 1) * sw / w);
        const uint8_t* p = &row[static_cast<size_t>(x0) * 3];
        unsigned* s = &sum[static_cast<size_t>(x) * 3];
        for (int xx = x0; xx < x1; ++xx, p += 3) {
          s[0] += p[0];
          s[1] += p[1];
          s[2] += p[2];
        }
      }
    }
    for (int x = 0; x < w; ++x, out += 3) {
      const int x0 = x * sw / w, x1 = std::max(x0 + 1, (x + 1) * sw / w);
      const unsigned count = static_cast<unsigned>((y1 - y0) * (x1 - x0));
      for (int i = 0; i < 3; ++i)
        out[i] = static_cast<uint8_t>(sum[static_cast<size_t>(x) * 3 + i] / count);
    }
  });
  if (!whole)
    background_.Clear();  // a picture cut short is no picture: the face colour shows
}

void FltkFrontEnd::DrawBackground(int x, int y, int w, int h) {
  if (!background_tried_)
    FillBackground();
  if (!background_.filled()) {
    fl_rectf(x, y, w, h, kButtonFace);
    return;
  }
  fl_push_clip(x, y, w, h);
  background_.Draw(x, y, w, h, x, y);
  fl_pop_clip();
}
