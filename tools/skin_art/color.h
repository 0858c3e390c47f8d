// Straight-alpha colours as the art is written down, in the 0..1 range.
#pragma once

#include <cstdint>

namespace skin_art {

struct Color {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
};

// 0xRRGGBB as the design notes give colours.
constexpr Color Rgb(std::uint32_t hex, float alpha = 1.0f) {
  return {static_cast<float>((hex >> 16) & 0xff) / 255.0f,
          static_cast<float>((hex >> 8) & 0xff) / 255.0f, static_cast<float>(hex & 0xff) / 255.0f,
          alpha};
}

constexpr Color WithAlpha(Color c, float alpha) {
  return {c.r, c.g, c.b, alpha};
}

constexpr Color Mix(Color from, Color to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

}  // namespace skin_art
