// Points, sizes and rectangles in pixels, shared by the skinned windows and their drawing.
#pragma once

#include <algorithm>

namespace platform::ui {

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Left and top inside, right and bottom outside, as Win32's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect Intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  // Shrinks by each side of `inset` (left, top, right, bottom).
  Rect Deflate(const Rect& inset) const {
    return {left + inset.left, top + inset.top, right - inset.right, bottom - inset.bottom};
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace platform::ui
