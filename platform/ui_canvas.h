// The pixels of a window being painted, and text drawn with the platform's fonts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui_geometry.h"

namespace platform::ui {

struct FontSpec {
  std::wstring face;
  int size = 12;  // character height in pixels
  bool bold = false;
  bool underline = false;
  bool italic = false;
  bool operator==(const FontSpec&) const = default;
};

// Text layout flags; the values are Win32's DT_ flags.
namespace text {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kTop = 0x0;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kBottom = 0x8;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
inline constexpr unsigned kEndEllipsis = 0x8000;
}  // namespace text

// A top-down 32-bit surface: each pixel 0xAARRGGBB with premultiplied alpha (BGRA in memory,
// as a Windows DIB section).
class Surface {
 public:
  Surface(int width, int height);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  uint32_t* Pixels();
  const uint32_t* Pixels() const;

  // Draws `text` inside `box`, clipped to `clip`, in `color` (0xAARRGGBB; alpha is ignored).
  // The headless backend measures text but draws none.
  void DrawText(const std::wstring& text, const Rect& box, const Rect& clip, const FontSpec& font,
                uint32_t color, unsigned format);

  // The native drawing context (an HDC on Windows), for the platform's own use.
  void* NativeContext() const;

 private:
  struct Impl;
  int width_;
  int height_;
  std::unique_ptr<Impl> impl_;
};

// Width and height of `text` on one line in `font`. The headless backend counts a CJK
// character as `size` wide and any other as half of it, and a line as 4/3 of the size.
Size MeasureText(const std::wstring& text, const FontSpec& font);

}  // namespace platform::ui
