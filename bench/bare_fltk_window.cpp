// The yardstick of the window start-up benchmark: the least an FLTK program shows, one
// window with one button. With --chinese the button is captioned in Chinese in the CJK
// face that fontconfig picks, as the scoreboard's captions are, so that the comparison
// can show what the CJK face itself costs.
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <fontconfig/fontconfig.h>

#include <cstring>
#include <string>

namespace {

std::string ChineseFamily() {
  std::string family = " sans";
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans:lang=zh-cn"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
      family = std::string(" ") + reinterpret_cast<const char*>(name);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return family;
}

}  // namespace

int main(int argc, char** argv) {
  const bool chinese = argc > 1 && std::strcmp(argv[1], "--chinese") == 0;
  static std::string family;  // FLTK keeps the pointer
  Fl_Double_Window window(472, 581, "bare FLTK window");
  Fl_Button button(20, 20, 100, 24, chinese ? "开始按钮" : "Button");
  if (chinese) {
    family = ChineseFamily();
    Fl::set_font(FL_FREE_FONT, family.c_str());
    button.labelfont(FL_FREE_FONT);
  }
  window.end();
  window.show();
  return Fl::run();
}
