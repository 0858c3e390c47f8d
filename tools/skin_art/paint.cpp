#include "tools/skin_art/paint.h"

#include <algorithm>
#include <cmath>

namespace skin_art {
namespace {

float Ramp(float value, float from, float to) {
  if (to == from) {
    return value < from ? 0.0f : 1.0f;
  }
  return std::clamp((value - from) / (to - from), 0.0f, 1.0f);
}

}  // namespace

Paint VerticalGradient(float y0, Color top, float y1, Color bottom) {
  return [=](float, float y) { return Mix(top, bottom, Ramp(y, y0, y1)); };
}

Paint HorizontalGradient(float x0, Color left, float x1, Color right) {
  return [=](float x, float) { return Mix(left, right, Ramp(x, x0, x1)); };
}

Paint RadialGlow(float cx, float cy, float radius, Color centre) {
  return [=](float x, float y) {
    const float t = Ramp(std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)), 0.0f, radius);
    // Squared fall-off keeps the rim from showing as a ring.
    const float fade = (1.0f - t) * (1.0f - t);
    return WithAlpha(centre, centre.a * fade);
  };
}

}  // namespace skin_art
