#include "duilib/render_engine.h"

#include <algorithm>

#include "duilib/image_attribute.h"
#include "duilib/paint_manager_ui.h"

namespace DuiLib {
namespace {

using platform::ui::Rect;

Rect Bounds(const platform::ui::Surface& surface, const Rect& clip) {
  return clip.Intersect({0, 0, surface.Width(), surface.Height()});
}

// Source-over blending of one premultiplied pixel.
uint32_t Blend(uint32_t dst, uint32_t src) {
  const uint32_t alpha = src >> 24;
  if (alpha == 255) {
    return src;
  }
  const uint32_t keep = 255 - alpha;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t s = (src >> shift) & 0xFF;
    const uint32_t d = (dst >> shift) & 0xFF;
    out |= std::min<uint32_t>(255, s + (d * keep + 127) / 255) << shift;
  }
  return out;
}

uint32_t PremultipliedColor(uint32_t color) {
  const uint32_t a = color >> 24;
  const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale((color >> 16) & 0xFF) << 16) | (scale((color >> 8) & 0xFF) << 8) |
         scale(color & 0xFF);
}

// Nearest-neighbour copy of `from` (in the image) onto `to` (on the surface).
void BlitScaled(platform::ui::Surface& surface, const TImageData& image, const Rect& to,
                const Rect& from, const Rect& clip) {
  if (to.IsEmpty() || from.IsEmpty()) {
    return;
  }
  const Rect visible = to.Intersect(Bounds(surface, clip));
  uint32_t* pixels = surface.Pixels();
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = from.top + (y - to.top) * from.Height() / to.Height();
    const uint32_t* row = image.pixels.data() + static_cast<size_t>(sy) * image.width;
    uint32_t* out = pixels + static_cast<size_t>(y) * surface.Width();
    for (int x = visible.left; x < visible.right; ++x) {
      const int sx = from.left + (x - to.left) * from.Width() / to.Width();
      out[x] = Blend(out[x], row[sx]);
    }
  }
}

}  // namespace

void CRenderEngine::FillRect(platform::ui::Surface& surface, const Rect& rect, uint32_t color,
                             const Rect& clip) {
  const Rect visible = rect.Intersect(Bounds(surface, clip));
  const uint32_t src = PremultipliedColor(color);
  uint32_t* pixels = surface.Pixels();
  for (int y = visible.top; y < visible.bottom; ++y) {
    uint32_t* row = pixels + static_cast<size_t>(y) * surface.Width();
    for (int x = visible.left; x < visible.right; ++x) {
      row[x] = Blend(row[x], src);
    }
  }
}

void CRenderEngine::DrawBorder(platform::ui::Surface& surface, const Rect& rect, int size,
                               uint32_t color, const Rect& clip) {
  if (size <= 0) {
    return;
  }
  FillRect(surface, {rect.left, rect.top, rect.right, rect.top + size}, color, clip);
  FillRect(surface, {rect.left, rect.bottom - size, rect.right, rect.bottom}, color, clip);
  FillRect(surface, {rect.left, rect.top + size, rect.left + size, rect.bottom - size}, color,
           clip);
  FillRect(surface, {rect.right - size, rect.top + size, rect.right, rect.bottom - size}, color,
           clip);
}

void CRenderEngine::DrawImage(platform::ui::Surface& surface, const TImageData& image,
                              const Rect& dest, const Rect& source, const Rect& corner,
                              const Rect& clip) {
  const Rect src = source.Intersect({0, 0, image.width, image.height});
  if (src.IsEmpty() || dest.IsEmpty()) {
    return;
  }
  // Three columns and three rows; the corners keep their size, the middle stretches.
  const int l = std::min(corner.left, src.Width());
  const int r = std::min(corner.right, src.Width() - l);
  const int t = std::min(corner.top, src.Height());
  const int b = std::min(corner.bottom, src.Height() - t);
  const int srcX[4] = {src.left, src.left + l, src.right - r, src.right};
  const int srcY[4] = {src.top, src.top + t, src.bottom - b, src.bottom};
  const int dstX[4] = {dest.left, dest.left + l, dest.right - r, dest.right};
  const int dstY[4] = {dest.top, dest.top + t, dest.bottom - b, dest.bottom};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      BlitScaled(surface, image, {dstX[column], dstY[row], dstX[column + 1], dstY[row + 1]},
                 {srcX[column], srcY[row], srcX[column + 1], srcY[row + 1]}, clip);
    }
  }
}

bool CRenderEngine::DrawImageAttribute(platform::ui::Surface& surface,
                                       const std::wstring& imageText, const Rect& area,
                                       const Rect& clip) {
  TImageAttribute image;
  if (imageText.empty() || !ParseImageAttribute(imageText, image)) {
    return false;
  }
  const auto data = CPaintManagerUI::GetImage(image.file);
  if (data == nullptr) {
    return false;
  }
  Rect dest = area;
  if (image.hasDest) {
    dest = {area.left + image.dest.left, area.top + image.dest.top, area.left + image.dest.right,
            area.top + image.dest.bottom};
  }
  const Rect source = image.hasSource ? image.source : Rect{0, 0, data->width, data->height};
  DrawImage(surface, *data, dest, source, image.corner, clip.Intersect(area));
  return true;
}

void CRenderEngine::DrawText(platform::ui::Surface& surface, const std::wstring& text,
                             const Rect& box, const platform::ui::FontSpec& font, uint32_t color,
                             unsigned format, const Rect& clip) {
  if (!text.empty() && !box.IsEmpty()) {
    surface.DrawText(text, box, Bounds(surface, clip), font, color, format);
  }
}

}  // namespace DuiLib
