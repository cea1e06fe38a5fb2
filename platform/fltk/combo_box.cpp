// Drop-down combo boxes without an edit field: choosing an item is a selection.
#include <FL/Fl_Choice.H>

#include "platform/fltk/item_list_view.h"
#include "platform/fltk/menu_items.h"

namespace {

class ComboBoxView : public ItemListView<Fl_Choice> {
 public:
  ComboBoxView(ViewOwner& owner, const Control& c) : ItemListView(owner, c) {
    down_box(FL_BORDER_BOX);
  }

 protected:
  void ShowItems(const std::vector<Text>& items) override {
    for (const Text& item : items)
      add(MenuItemText(ShownText(item)).c_str(), 0, nullptr, nullptr, 0);
  }
  void ShowSelection(int32_t selection) override { value(selection); }
  int32_t ChosenIndex() override { return value(); }
};

}  // namespace

ControlView* MakeComboBox(ViewOwner& owner, const Control& control) {
  return new ComboBoxView(owner, control);
}
