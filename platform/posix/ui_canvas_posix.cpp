#include <vector>

#include "platform/ui_canvas.h"

namespace platform::ui {

struct Surface::Impl {
  std::vector<uint32_t> pixels;
};

Surface::Surface(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0), impl_(new Impl) {
  impl_->pixels.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

Surface::~Surface() = default;

uint32_t* Surface::Pixels() {
  return impl_->pixels.data();
}
const uint32_t* Surface::Pixels() const {
  return impl_->pixels.data();
}

void Surface::DrawText(const std::wstring&, const Rect&, const Rect&, const FontSpec&, uint32_t,
                       unsigned) {}

void* Surface::NativeContext() const {
  return nullptr;
}

Size MeasureText(const std::wstring& text, const FontSpec& font) {
  int width = 0;
  for (const wchar_t c : text) {
    const bool wide = c >= 0x2E80;
    width += wide ? font.size : (font.size + 1) / 2;
  }
  return {width, font.size * 4 / 3};
}

}  // namespace platform::ui
