// List boxes: a plain list with one selectable line.
#include <FL/Fl_Hold_Browser.H>

#include "platform/fltk/item_list_view.h"

namespace {

class ListBoxView : public ItemListView<Fl_Hold_Browser> {
 public:
  ListBoxView(ViewOwner& owner, const Control& c) : ItemListView(owner, c) {
    format_char(0);  // item texts are shown as they are
  }

 protected:
  void ShowItems(const std::vector<Text>& items) override {
    for (const Text& item : items) add(ShownText(item).c_str());
  }
  void ShowSelection(int32_t selection) override {
    if (selection < 0)
      deselect();
    else
      select(selection + 1);
  }
  int32_t ChosenIndex() override { return value() - 1; }
};

}  // namespace

ControlView* MakeListBox(ViewOwner& owner, const Control& control) {
  return new ListBoxView(owner, control);
}
