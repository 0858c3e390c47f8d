#include "tools/skin_art/fonts.h"

namespace skin_art {
namespace {

constexpr const char* kCjkPath = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
constexpr const char* kLatinBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

}  // namespace

Fonts LoadFonts(std::string& error) {
  Fonts fonts;
  std::string why;
  fonts.cjk = Font::Load(kCjkPath, 0, why);
  if (fonts.cjk == nullptr) {
    error = why + " (Debian package fonts-wqy-microhei)";
    return fonts;
  }
  fonts.latin_bold = Font::Load(kLatinBoldPath, 0, why);
  if (fonts.latin_bold == nullptr) {
    error = why + " (Debian package fonts-dejavu-core)";
  }
  return fonts;
}

}  // namespace skin_art
