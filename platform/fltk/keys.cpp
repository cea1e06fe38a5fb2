#include "platform/fltk/keys.h"

#include <FL/Enumerations.H>

namespace {

// Virtual-key codes of the keys that have no letter or digit of their own.
struct KeyPair {
  int fltk;
  int32_t virtual_key;
};
constexpr KeyPair kNamedKeys[] = {
    {FL_BackSpace, 0x08}, {FL_Tab, 0x09},       {FL_Enter, 0x0D},     {FL_KP_Enter, 0x0D},
    {FL_Pause, 0x13},     {FL_Caps_Lock, 0x14}, {FL_Escape, 0x1B},    {' ', 0x20},
    {FL_Page_Up, 0x21},   {FL_Page_Down, 0x22}, {FL_End, 0x23},       {FL_Home, 0x24},
    {FL_Left, 0x25},      {FL_Up, 0x26},        {FL_Right, 0x27},     {FL_Down, 0x28},
    {FL_Print, 0x2C},     {FL_Insert, 0x2D},    {FL_Delete, 0x2E},    {FL_Menu, 0x5D},
    {FL_Shift_L, 0x10},   {FL_Shift_R, 0x10},   {FL_Control_L, 0x11}, {FL_Control_R, 0x11},
    {FL_Alt_L, 0x12},     {FL_Alt_R, 0x12},     {FL_Num_Lock, 0x90},  {FL_Scroll_Lock, 0x91},
    {FL_KP + '*', 0x6A},  {FL_KP + '+', 0x6B},  {FL_KP + '-', 0x6D},  {FL_KP + '.', 0x6E},
    {FL_KP + ',', 0x6E},  {FL_KP + '/', 0x6F},  {';', 0xBA},          {'=', 0xBB},
    {',', 0xBC},          {'-', 0xBD},          {'.', 0xBE},          {'/', 0xBF},
    {'`', 0xC0},          {'[', 0xDB},          {'\\', 0xDC},         {']', 0xDD},
    {'\'', 0xDE},
};

}  // namespace

int32_t VirtualKeyOf(int key) {
  if (key >= 'a' && key <= 'z')
    return key - 'a' + 'A';
  if (key >= '0' && key <= '9')
    return key;
  // The keypad digits keep their own codes here; the key-down event reports them as
  // main digits later, as it does on every platform.
  if (key >= FL_KP + '0' && key <= FL_KP + '9')
    return 0x60 + (key - FL_KP - '0');
  if (key >= FL_F + 1 && key <= FL_F + 24)
    return 0x70 + (key - FL_F - 1);
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.fltk == key)
      return pair.virtual_key;
  }
  return 0;
}

int32_t ModifiersOf(int state, int key) {
  int32_t modifiers = 0;
  if ((state & FL_CTRL) != 0 && key != FL_Control_L && key != FL_Control_R)
    modifiers |= 1;
  if ((state & FL_SHIFT) != 0 && key != FL_Shift_L && key != FL_Shift_R)
    modifiers |= 2;
  if ((state & FL_ALT) != 0 && key != FL_Alt_L && key != FL_Alt_R)
    modifiers |= 4;
  return modifiers;
}
