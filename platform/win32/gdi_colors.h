// Between the toolkit's 0xAARRGGBB colours and GDI's COLORREF (which has no alpha).
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform::ui {

inline COLORREF ToColorRef(uint32_t argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

inline uint32_t FromColorRef(COLORREF color) {
  return (static_cast<uint32_t>(GetRValue(color)) << 16) |
         (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

}  // namespace platform::ui
