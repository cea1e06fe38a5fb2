#pragma once
// What a combo box and a list box share: item texts, one selection, the list's font, and
// a choice the user makes reported as a selection. Each kind says how its widget lists,
// selects and reads an item (FLTK's choices count from 0, its browsers from 1).
#include <vector>

#include "platform/fltk/views.h"
#include "shell/application.h"

template <class Widget>
class ItemListView : public Widget, public ControlView {
 public:
  ItemListView(ViewOwner& owner, const Control& c)
      : Widget(c.rect.left, c.rect.top, c.rect.width, c.rect.height), ControlView(owner, c.id) {
    this->box(FL_DOWN_BOX);
    this->color(FL_WHITE);
    this->callback(Chosen, this);
  }
  Fl_Widget& widget() override { return *this; }
  int handle(int event) override { return PreHandle(event) ? 1 : Widget::handle(event); }

 protected:
  virtual void ShowItems(const std::vector<Text>& items) = 0;
  virtual void ShowSelection(int32_t selection) = 0;  // -1: none
  virtual int32_t ChosenIndex() = 0;                  // 0-based, as the model counts

  void ShowAspect(Aspect aspect) override {
    const Control& c = control();
    switch (aspect) {
      case Aspect::Caption:
        this->clear();
        ShowItems(c.items);
        ShowSelection(c.selection);
        break;
      case Aspect::Selection:
        ShowSelection(c.selection);
        break;
      case Aspect::Font: {
        const FlFont font = FontOf(c);
        this->textfont(font.widget_face);
        this->textsize(font.size);
        break;
      }
      default:
        break;
    }
  }

 private:
  static void Chosen(Fl_Widget*, void* data) {
    auto* self = static_cast<ItemListView*>(data);
    self->app().Select(self->id(), self->ChosenIndex());
  }
};
