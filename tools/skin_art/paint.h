// What fills a shape: a colour for every point of the picture.
#pragma once

#include <functional>

#include "tools/skin_art/color.h"

namespace skin_art {

using Paint = std::function<Color(float x, float y)>;

inline Paint Solid(Color color) {
  return [color](float, float) { return color; };
}

// Runs from `top` at y0 to `bottom` at y1 and stays flat beyond them.
Paint VerticalGradient(float y0, Color top, float y1, Color bottom);

// Runs from `left` at x0 to `right` at x1 and stays flat beyond them.
Paint HorizontalGradient(float x0, Color left, float x1, Color right);

// A soft round glow: `centre` colour at (cx, cy) fading to fully transparent at radius.
Paint RadialGlow(float cx, float cy, float radius, Color centre);

}  // namespace skin_art
