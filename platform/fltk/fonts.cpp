// Fonts: the catalogue's fonts are Chinese Windows fonts ("宋体", or no face at all
// with the GB2312 character set). Here both become the CJK face that fontconfig picks
// for Simplified Chinese, so every caption renders without missing glyphs.
#include <FL/Fl.H>
#include <FL/fl_ask.H>
#include <fontconfig/fontconfig.h>

#include <map>
#include <string>

#include "platform/fltk/control_view.h"
#include "platform/fltk/screen_scale.h"
#include "shell/display_scale.h"

namespace {

// '队', a character every caption face must have.
constexpr FcChar32 kProbe = 0x961F;

std::string ChineseFamily() {
  std::string family = "sans";
  if (FcInit() == FcFalse)
    return family;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans:lang=zh-cn"));
  if (pattern == nullptr)
    return family;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match != nullptr) {
    FcChar8* name = nullptr;
    FcCharSet* chars = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch &&
        FcPatternGetCharSet(match, FC_CHARSET, 0, &chars) == FcResultMatch &&
        FcCharSetHasChar(chars, kProbe) == FcTrue) {
      family = reinterpret_cast<const char*>(name);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return family;
}

// FLTK knows fonts by number; each face and weight gets one the first time it is used.
// Xft reads the first character of the name as the style: ' ' plain, 'B' bold.
Fl_Font FontNumber(const std::string& face, bool bold) {
  static std::map<std::string, Fl_Font> numbers;
  static Fl_Font next = FL_FREE_FONT;
  static std::map<std::string, std::string> names;  // FLTK keeps the pointer
  const std::string key = std::string(bold ? "B" : " ") + face;
  if (auto it = numbers.find(key); it != numbers.end())
    return it->second;
  const std::string& stored = names.emplace(key, key).first->second;
  Fl::set_font(next, stored.c_str());
  numbers.emplace(key, next);
  return next++;
}

const std::string& Chinese() {
  static const std::string family = ChineseFamily();
  return family;
}

}  // namespace

FlFont FontOf(const Control& control) {
  const Font& font = control.font;
  int32_t height = font.own ? font.height : kDefaultGuiFontHeight;
  if (height == 0)
    height = kDefaultGuiFontHeight;
  // A negative height is the character height in pixels, which is what FLTK sizes by;
  // a positive one is the cell height, of which the character takes about seven eighths.
  const int32_t pixels = height < 0 ? -height : (height * 7 + 4) / 8;
  const std::string face = font.own ? Utf8FromText(font.face) : std::string();
  const bool chinese = face.empty() || face == "宋体" || face == "新宋体" || face == "黑体";
  const std::string& family = chinese ? Chinese() : face;
  // The CJK faces have no bold cut: bold is made up either way, and every bold size
  // FLTK opens costs another copy of the face's glyph and character tables (about
  // 0.75 MB for a CJK face). Text drawn here is struck twice instead, as the desktop
  // the layout was made for does; only FLTK's own widgets open the bold face.
  const bool bold = font.own && font.weight >= 600;
  return {
      .face = FontNumber(family, false),
      .size = static_cast<Fl_Fontsize>(ScaledFontHeight(pixels < 1 ? 1 : pixels, ScreenScale())),
      .bold = bold,
      .widget_face = FontNumber(family, bold)};
}

void UseChineseFaceForEveryText() {
  // FLTK's default face draws whatever the program does not give a font of its own:
  // dialogs, tooltips, its own buttons. It becomes the Chinese face whatever the locale.
  static const std::string regular = " " + Chinese();
  static const std::string bold = "B" + Chinese();
  Fl::set_font(FL_HELVETICA, regular.c_str());
  Fl::set_font(FL_HELVETICA_BOLD, bold.c_str());
  fl_ok = "确定";
  fl_cancel = "取消";
  fl_close = "关闭";
}
