#include <windows.h>
// The surface's method shares its name with the Win32 macro.
#undef DrawText

#include <map>
#include <tuple>

#include "platform/ui_canvas.h"
#include "platform/win32/gdi_colors.h"
#include "platform/win32/gdi_fonts.h"

namespace platform::ui {
namespace {

using FontKey = std::tuple<std::wstring, int, bool, bool, bool>;

}  // namespace

HFONT FontFor(const FontSpec& font) {
  static std::map<FontKey, HFONT> fonts;
  const FontKey key{font.face, font.size, font.bold, font.underline, font.italic};
  const auto found = fonts.find(key);
  if (found != fonts.end()) {
    return found->second;
  }
  HFONT made =
      CreateFontW(-font.size, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline,
                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
  if (made == nullptr) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  fonts.emplace(key, made);
  return made;
}

struct Surface::Impl {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  uint32_t* bits = nullptr;
};

Surface::Surface(int width, int height)
    : width_(width > 0 ? width : 1), height_(height > 0 ? height : 1), impl_(new Impl) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  impl_->dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  impl_->bitmap = CreateDIBSection(impl_->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (impl_->bitmap == nullptr) {
    // Without a bitmap the surface is a 1 x 1 scratch pixel; painting then shows nothing.
    width_ = height_ = 1;
    static uint32_t scratch;
    impl_->bits = &scratch;
    return;
  }
  impl_->bits = static_cast<uint32_t*>(bits);
  impl_->previous = SelectObject(impl_->dc, impl_->bitmap);
  SetBkMode(impl_->dc, TRANSPARENT);
}

Surface::~Surface() {
  if (impl_->previous != nullptr) {
    SelectObject(impl_->dc, impl_->previous);
  }
  if (impl_->bitmap != nullptr) {
    DeleteObject(impl_->bitmap);
  }
  DeleteDC(impl_->dc);
}

uint32_t* Surface::Pixels() {
  GdiFlush();
  return impl_->bits;
}

const uint32_t* Surface::Pixels() const {
  GdiFlush();
  return impl_->bits;
}

void Surface::DrawText(const std::wstring& text, const Rect& box, const Rect& clip,
                       const FontSpec& font, uint32_t color, unsigned format) {
  HDC dc = impl_->dc;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  SelectObject(dc, FontFor(font));
  SetTextColor(dc, ToColorRef(color));
  RECT area{box.left, box.top, box.right, box.bottom};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format | DT_NOPREFIX);
  RestoreDC(dc, saved);
}

void* Surface::NativeContext() const {
  return impl_->dc;
}

Size MeasureText(const std::wstring& text, const FontSpec& font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, FontFor(font));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return {size.cx, size.cy};
}

}  // namespace platform::ui
