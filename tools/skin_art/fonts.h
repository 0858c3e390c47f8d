// The faces the art is drawn with, from Debian's font packages.
#pragma once

#include <memory>
#include <string>

#include "tools/skin_art/font.h"

namespace skin_art {

struct Fonts {
  std::unique_ptr<Font> cjk;         // WenQuanYi Micro Hei, for every Chinese caption
  std::unique_ptr<Font> latin_bold;  // DejaVu Sans Bold, for the product's name
};

// Null members mean a face is missing; `error` then says which and from what package.
Fonts LoadFonts(std::string& error);

}  // namespace skin_art
