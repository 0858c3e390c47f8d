#include "tools/skin_art/logo_mark.h"

#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"

namespace skin_art {
namespace {

void DrawPageLines(Canvas& canvas, Box page, float unit) {
  const float left = page.left + 0.22f * page.Width();
  const float right = page.right - 0.22f * page.Width();
  const float fractions[] = {0.46f, 0.62f, 0.78f};
  for (int i = 0; i < 3; ++i) {
    const float y = page.top + fractions[i] * page.Height();
    const float end = i == 2 ? left + 0.55f * (right - left) : right;
    DrawPolyline(canvas, {{left, y}, {end, y}}, unit * 0.055f, Solid(palette::kAccent));
  }
}

}  // namespace

void DrawLogoMark(Canvas& canvas, Box tile) {
  const float unit = tile.Width();
  FillRoundRect(canvas, tile, unit * 0.24f, Solid(palette::kAccent));
  const Box page{tile.left + 0.27f * unit, tile.top + 0.2f * unit, tile.right - 0.27f * unit,
                 tile.bottom - 0.2f * unit};
  const float fold = 0.3f * page.Width();
  Fill(canvas, page,
       ConvexPolygonDistance({{page.left, page.top},
                              {page.right - fold, page.top},
                              {page.right, page.top + fold},
                              {page.right, page.bottom},
                              {page.left, page.bottom}}),
       Solid(palette::kWhite));
  Fill(canvas, page,
       ConvexPolygonDistance({{page.right - fold, page.top},
                              {page.right - fold, page.top + fold},
                              {page.right, page.top + fold}}),
       Solid(palette::kAccentTint));
  if (unit >= 28) {
    DrawPageLines(canvas, page, unit);
  }
}

}  // namespace skin_art
