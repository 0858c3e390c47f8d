#include "tools/skin_art/feature_icons.h"

#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"

namespace skin_art {
namespace {

const Paint& AccentPaint() {
  static const Paint paint = Solid(palette::kAccent);
  return paint;
}

Distance Page(Point c, float half_width, float half_height, float fold) {
  return ConvexPolygonDistance({{c.x - half_width, c.y - half_height},
                                {c.x + half_width - fold, c.y - half_height},
                                {c.x + half_width, c.y - half_height + fold},
                                {c.x + half_width, c.y + half_height},
                                {c.x - half_width, c.y + half_height}});
}

void DrawSpeed(Canvas& canvas, Point c) {
  const Distance bolt = Union({
      ConvexPolygonDistance({{c.x + 4, c.y - 13}, {c.x - 8, c.y + 2}, {c.x + 1, c.y + 2}}),
      ConvexPolygonDistance({{c.x - 1, c.y - 2}, {c.x + 8, c.y - 2}, {c.x - 4, c.y + 13}}),
      ConvexPolygonDistance(
          {{c.x + 4, c.y - 13}, {c.x + 1, c.y + 2}, {c.x - 1, c.y - 2}, {c.x - 8, c.y + 2}}),
  });
  Fill(canvas, BoxAround(c, 14, 14), bolt, AccentPaint());
}

void DrawFormats(Canvas& canvas, Point c) {
  Fill(canvas, BoxAround(c, 11, 13), Page(c, 9.5f, 12, 6), AccentPaint());
  const Paint white = Solid(palette::kWhite);
  for (float dy : {-2.5f, 1.5f, 5.5f}) {
    const float right = dy > 5 ? c.x + 1.5f : c.x + 4.5f;
    DrawPolyline(canvas, {{c.x - 4.5f, c.y + dy}, {right, c.y + dy}}, 1.6f, white);
  }
}

void DrawBatch(Canvas& canvas, Point c) {
  const Box front{c.x - 11, c.y - 6, c.x + 5, c.y + 12};
  StrokeRoundRect(canvas, front.Shifted(6, -6), 2.5f, 1.6f,
                  Solid(WithAlpha(palette::kAccent, 0.45f)));
  StrokeRoundRect(canvas, front.Shifted(3, -3), 2.5f, 1.6f,
                  Solid(WithAlpha(palette::kAccent, 0.7f)));
  FillRoundRect(canvas, front.Inset(-0.8f, -0.8f), 3, Solid(palette::kAccentTint));
  FillRoundRect(canvas, front, 2.5f, AccentPaint());
}

void DrawSecurity(Canvas& canvas, Point c) {
  const Distance shield = ConvexPolygonDistance({{c.x - 10, c.y - 8},
                                                 {c.x, c.y - 12.5f},
                                                 {c.x + 10, c.y - 8},
                                                 {c.x + 10, c.y + 1},
                                                 {c.x + 6, c.y + 8},
                                                 {c.x, c.y + 12.5f},
                                                 {c.x - 6, c.y + 8},
                                                 {c.x - 10, c.y + 1}});
  Fill(canvas, BoxAround(c, 12, 14), shield, AccentPaint());
  DrawPolyline(canvas, {{c.x - 4.5f, c.y}, {c.x - 1, c.y + 3.5f}, {c.x + 5, c.y - 3.5f}}, 2.2f,
               Solid(palette::kWhite));
}

}  // namespace

void DrawFeatureIcon(Canvas& canvas, Feature feature, Point centre) {
  switch (feature) {
    case Feature::kSpeed:
      DrawSpeed(canvas, centre);
      break;
    case Feature::kFormats:
      DrawFormats(canvas, centre);
      break;
    case Feature::kBatch:
      DrawBatch(canvas, centre);
      break;
    case Feature::kSecurity:
      DrawSecurity(canvas, centre);
      break;
  }
}

}  // namespace skin_art
