#include "tools/skin_art/glyphs.h"

#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"

namespace skin_art {

void DrawCross(Canvas& canvas, Point centre, float half, float width, const Paint& paint) {
  const Point a{centre.x - half, centre.y - half};
  const Point b{centre.x + half, centre.y + half};
  const Point c{centre.x - half, centre.y + half};
  const Point d{centre.x + half, centre.y - half};
  const Box bounds = BoxAround(centre, half + width, half + width);
  Fill(canvas, bounds, Union({SegmentDistance(a, b, width), SegmentDistance(c, d, width)}), paint);
}

void DrawTick(Canvas& canvas, Box box, float width, const Paint& paint) {
  const float w = box.Width();
  const float h = box.Height();
  DrawPolyline(canvas,
               {{box.left + 0.18f * w, box.top + 0.52f * h},
                {box.left + 0.42f * w, box.top + 0.76f * h},
                {box.left + 0.84f * w, box.top + 0.28f * h}},
               width, paint);
}

Canvas MakeCloseButton(Color disc, Color cross) {
  Canvas canvas(20, 20);
  if (disc.a > 0) {
    FillCircle(canvas, {10, 10}, 10, Solid(disc));
  }
  DrawCross(canvas, {10, 10}, 4.5f, 1.5f, Solid(cross));
  return canvas;
}

void DrawCheckBox(Canvas& canvas, Box box, bool checked, Color border, Color fill) {
  if (checked) {
    FillRoundRect(canvas, box, 2, Solid(palette::kAccent));
    DrawTick(canvas, box.Inset(0.5f, 0.5f), 1.5f, Solid(palette::kWhite));
    return;
  }
  if (fill.a > 0) {
    FillRoundRect(canvas, box, 2, Solid(fill));
  }
  StrokeRoundRect(canvas, box.Inset(0.5f, 0.5f), 1.5f, 1, Solid(border));
}

void DrawChevron(Canvas& canvas, Point centre, float half_width, float half_height,
                 Direction direction, float width, const Paint& paint) {
  const float tip = direction == Direction::kDown ? half_height : -half_height;
  DrawPolyline(canvas,
               {{centre.x - half_width, centre.y - tip},
                {centre.x, centre.y + tip},
                {centre.x + half_width, centre.y - tip}},
               width, paint);
}

}  // namespace skin_art
