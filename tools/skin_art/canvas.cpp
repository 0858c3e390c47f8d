#include "tools/skin_art/canvas.h"

#include <algorithm>
#include <cstddef>

namespace skin_art {
namespace {

std::uint8_t ToByte(float value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4, 0.0f) {}

void Canvas::Blend(int x, int y, Color color, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return;
  }
  const float alpha = color.a * std::clamp(coverage, 0.0f, 1.0f);
  if (alpha <= 0.0f) {
    return;
  }
  float* p = &pixels_[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)) *
                      4];
  const float keep = 1.0f - alpha;
  p[0] = color.r * alpha + p[0] * keep;
  p[1] = color.g * alpha + p[1] * keep;
  p[2] = color.b * alpha + p[2] * keep;
  p[3] = alpha + p[3] * keep;
}

std::vector<std::uint8_t> Canvas::ToRgba8() const {
  std::vector<std::uint8_t> out(pixels_.size(), 0);
  for (std::size_t i = 0; i < pixels_.size(); i += 4) {
    const float alpha = pixels_[i + 3];
    if (alpha <= 0.0f) {
      continue;
    }
    for (std::size_t c = 0; c < 3; ++c) {
      out[i + c] = ToByte(pixels_[i + c] / alpha);
    }
    out[i + 3] = ToByte(alpha);
  }
  return out;
}

}  // namespace skin_art
