// Points and boxes in picture coordinates (pixel edges at whole numbers).
#pragma once

namespace skin_art {

struct Point {
  float x = 0;
  float y = 0;
};

struct Box {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  float CentreX() const { return (left + right) / 2; }
  float CentreY() const { return (top + bottom) / 2; }
  Box Inset(float dx, float dy) const { return {left + dx, top + dy, right - dx, bottom - dy}; }
  Box Shifted(float dx, float dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline Box BoxAround(Point centre, float half_width, float half_height) {
  return {centre.x - half_width, centre.y - half_height, centre.x + half_width,
          centre.y + half_height};
}

}  // namespace skin_art
