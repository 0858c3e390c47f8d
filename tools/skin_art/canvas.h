// An RGBA picture that shapes and text are composited onto.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skin_art/color.h"

namespace skin_art {

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Source-over compositing of color, scaled by coverage (0..1); outside pixels are ignored
  // so that shapes may overhang the picture.
  void Blend(int x, int y, Color color, float coverage);

  // Straight (not premultiplied) 8-bit RGBA rows, top row first.
  std::vector<std::uint8_t> ToRgba8() const;

 private:
  int width_;
  int height_;
  // Premultiplied, so that repeated blending of partly transparent art stays exact.
  std::vector<float> pixels_;
};

}  // namespace skin_art
