#include "tools/skin_art/button_face.h"

#include "tools/skin_art/shapes.h"

namespace skin_art {

void DrawButton(Canvas& canvas, Box body, float radius, const ButtonLook& look,
                const TextStyle& caption_style, std::string_view caption) {
  if (look.shadow.a > 0) {
    const Box shadow = body.Shifted(0, look.shadow_drop).Inset(2, 2);
    FillSoft(canvas, shadow, RoundRectDistance(shadow, radius), look.shadow_blur, look.shadow);
  }
  const Box face = body.Shifted(0, look.press_offset);
  if (look.fill.a > 0) {
    FillRoundRect(canvas, face, radius, Solid(look.fill));
  }
  if (look.border.a > 0) {
    const float half = look.border_width / 2;
    StrokeRoundRect(canvas, face.Inset(half, half), radius - half, look.border_width,
                    Solid(look.border));
  }
  DrawTextCentred(canvas, caption_style, caption, face);
}

}  // namespace skin_art
