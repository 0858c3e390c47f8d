#include "tools/skin_art/text.h"

#include <cmath>

namespace skin_art {

void DrawText(Canvas& canvas, const TextStyle& style, std::string_view text, Point baseline) {
  style.font->Draw(canvas, style.font->Layout(text, style.size), baseline, style.paint,
                   style.boldness);
}

void DrawTextCentred(Canvas& canvas, const TextStyle& style, std::string_view text, Box box) {
  const TextRun run = style.font->Layout(text, style.size);
  const float ink_width = run.ink.Width() + style.boldness;
  // Whole-pixel origins keep the horizontal and vertical strokes of CJK glyphs crisp.
  const Point origin{std::round(box.CentreX() - ink_width / 2 - run.ink.left),
                     std::round(box.CentreY() - run.ink.Height() / 2 - run.ink.top)};
  style.font->Draw(canvas, run, origin, style.paint, style.boldness);
}

float InkWidth(const TextStyle& style, std::string_view text) {
  return style.font->Layout(text, style.size).ink.Width() + style.boldness;
}

}  // namespace skin_art
