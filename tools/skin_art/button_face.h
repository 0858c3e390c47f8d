// The face of a push button: a filled or outlined rounded body, an optional soft shadow,
// and a centred caption.
#pragma once

#include <string_view>

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"
#include "tools/skin_art/text.h"

namespace skin_art {

struct ButtonLook {
  Color fill;
  Color border;  // a transparent border draws nothing
  float border_width = 1;
  Color shadow;  // a transparent shadow draws nothing
  float shadow_blur = 0;
  float shadow_drop = 0;
  float press_offset = 0;  // pushed buttons sink by this many pixels
};

void DrawButton(Canvas& canvas, Box body, float radius, const ButtonLook& look,
                const TextStyle& caption_style, std::string_view caption);

}  // namespace skin_art
