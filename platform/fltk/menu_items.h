#pragma once
// FLTK menus and browsers read "/", "&", "_" and "@" as commands; item texts from the
// catalogue are shown as they are.
#include <string>

inline std::string MenuItemText(const std::string& utf8) {
  std::string escaped;
  for (char ch : utf8) {
    if (ch == '/' || ch == '\\' || ch == '&' || ch == '_')
      escaped += '\\';
    escaped += ch;
  }
  return escaped;
}
