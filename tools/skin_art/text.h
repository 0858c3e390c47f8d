// Placing captions: at a baseline, or centred in a box by the ink they actually cover,
// which centres CJK and Latin captions alike.
#pragma once

#include <string_view>

#include "tools/skin_art/font.h"

namespace skin_art {

struct TextStyle {
  const Font* font = nullptr;
  float size = 12;
  Paint paint;
  float boldness = 0;
};

void DrawText(Canvas& canvas, const TextStyle& style, std::string_view text, Point baseline);

// Centres the text's ink in the box.
void DrawTextCentred(Canvas& canvas, const TextStyle& style, std::string_view text, Box box);

// The ink width of the text, boldness included.
float InkWidth(const TextStyle& style, std::string_view text);

}  // namespace skin_art
