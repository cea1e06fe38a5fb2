// ComboBox (a drop-down list without an edit field) and ListBox: the same list of
// items, told apart only by their messages.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/win32/native_kinds.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_front_end.h"
#include "shell/application.h"
#include "shell/catalogue.h"

namespace {

// The drop-down part shows every item of the short team lists without scrolling.
constexpr int kDropDownRows = 10;

struct ListMessages {
  const wchar_t* window_class;
  DWORD style;
  UINT add;
  UINT set_selection;
  UINT get_selection;
  UINT selection_changed;  // the notice
  bool drops_down;         // the window's height includes its dropped list
};

constexpr ListMessages kComboBox{
    .window_class = WC_COMBOBOXW,
    .style = CBS_DROPDOWNLIST | CBS_HASSTRINGS,
    .add = CB_ADDSTRING,
    .set_selection = CB_SETCURSEL,
    .get_selection = CB_GETCURSEL,
    .selection_changed = CBN_SELCHANGE,
    .drops_down = true,
};
constexpr ListMessages kListBox{
    .window_class = WC_LISTBOXW,
    .style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
    .add = LB_ADDSTRING,
    .set_selection = LB_SETCURSEL,
    .get_selection = LB_GETCURSEL,
    .selection_changed = LBN_SELCHANGE,
    .drops_down = false,
};

class ListControl : public NativeControl {
 public:
  ListControl(NativeControlOwner& owner, const Control& control, const ListMessages& messages)
      : NativeControl(owner, control), messages_(messages) {}

  void OnCommand(UINT code) override {
    if (code != messages_.selection_changed)
      return;
    const auto index = static_cast<int32_t>(SendMessageW(hwnd(), messages_.get_selection, 0, 0));
    app().Select(model().id, index);
  }

 protected:
  HWND MakeWindow(HWND parent) override {
    const Control& c = model();
    const OwnProperties& own = c.entry->own;
    const DWORD style = CreationStyle(c) | WS_VSCROLL | BorderStyle(own.border) | messages_.style;
    const Rect placed = PlacedRect();
    HWND hwnd = CreateWindowExW(BorderExStyle(own.border), messages_.window_class, L"", style,
                                placed.left, placed.top, placed.width, placed.height, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
      return nullptr;
    for (const Text& item : c.items) {
      const std::wstring wide = Wide(item);
      SendMessageW(hwnd, messages_.add, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(hwnd, messages_.set_selection, static_cast<WPARAM>(c.selection), 0);
    return hwnd;
  }

  // A combo box's window holds its drop-down list too.
  Rect PlacedRect() const override {
    Rect placed = model().rect;
    if (messages_.drops_down)
      placed.height += kDropDownRows * (placed.height > 0 ? placed.height : 16);
    return placed;
  }

  void Show(Aspect aspect) override {
    if (aspect == Aspect::Selection)
      SendMessageW(hwnd(), messages_.set_selection, static_cast<WPARAM>(model().selection), 0);
    else
      NativeControl::Show(aspect);
  }

 private:
  const ListMessages& messages_;
};

}  // namespace

std::unique_ptr<NativeControl> MakeComboBox(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<ListControl>(owner, control, kComboBox);
}

std::unique_ptr<NativeControl> MakeListBox(NativeControlOwner& owner, const Control& control) {
  return std::make_unique<ListControl>(owner, control, kListBox);
}
