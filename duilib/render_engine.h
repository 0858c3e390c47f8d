// Drawing primitives on a window surface: fills, borders, images (with unstretched corners)
// and text. Everything is clipped to `clip` and to the surface.
#pragma once

#include <cstdint>
#include <string>

#include "duilib/image_data.h"
#include "platform/ui_canvas.h"

namespace DuiLib {

class CRenderEngine {
 public:
  using Rect = platform::ui::Rect;

  // `color` is 0xAARRGGBB, not premultiplied.
  static void FillRect(platform::ui::Surface& surface, const Rect& rect, uint32_t color,
                       const Rect& clip);
  static void DrawBorder(platform::ui::Surface& surface, const Rect& rect, int size, uint32_t color,
                         const Rect& clip);
  // Draws the `source` part of `image` scaled into `dest`; the `corner` edges of the source
  // (left, top, right, bottom widths) keep their size and only the middle stretches.
  static void DrawImage(platform::ui::Surface& surface, const TImageData& image, const Rect& dest,
                        const Rect& source, const Rect& corner, const Rect& clip);
  // Draws an image attribute's value (see image_attribute.h) inside `area`; false when the picture
  // is not in the skin archive or the value is malformed. A missing picture draws nothing.
  static bool DrawImageAttribute(platform::ui::Surface& surface, const std::wstring& imageText,
                                 const Rect& area, const Rect& clip);
  static void DrawText(platform::ui::Surface& surface, const std::wstring& text, const Rect& box,
                       const platform::ui::FontSpec& font, uint32_t color, unsigned format,
                       const Rect& clip);
};

}  // namespace DuiLib
