#include "tools/skin_art/button_looks.h"

#include "tools/skin_art/palette.h"

namespace skin_art {
namespace {

constexpr Color kNone{};

Color AccentFill(ButtonState state) {
  switch (state) {
    case ButtonState::kHover:
      return palette::kAccentHover;
    case ButtonState::kPushed:
      return palette::kAccentPushed;
    case ButtonState::kDisabled:
      return palette::kDisabled;
    case ButtonState::kNormal:
      break;
  }
  return palette::kAccent;
}

}  // namespace

ButtonLook PrimaryLook(ButtonState state) {
  ButtonLook look{AccentFill(state), kNone, 1, palette::kAccentShadow, 7, 4, 0};
  switch (state) {
    case ButtonState::kHover:
      look.shadow = WithAlpha(palette::kAccentShadow, 0.42f);
      look.shadow_blur = 8;
      look.shadow_drop = 5;
      break;
    case ButtonState::kPushed:
      look.shadow = WithAlpha(palette::kAccentShadow, 0.22f);
      look.shadow_blur = 4;
      look.shadow_drop = 2;
      look.press_offset = 1;
      break;
    case ButtonState::kDisabled:
      look.shadow = kNone;
      break;
    case ButtonState::kNormal:
      break;
  }
  return look;
}

ButtonLook DialogLook(ButtonState state) {
  ButtonLook look{AccentFill(state), kNone, 1, kNone, 0, 0, 0};
  look.press_offset = state == ButtonState::kPushed ? 1 : 0;
  return look;
}

ButtonLook OutlineLook(ButtonState state) {
  ButtonLook look{palette::kWhite, palette::kLine, 1, kNone, 0, 0, 0};
  if (state == ButtonState::kHover) {
    look.border = palette::kAccent;
  } else if (state == ButtonState::kPushed) {
    look.fill = palette::kAccentTint;
    look.border = palette::kAccentPushed;
  }
  return look;
}

ButtonLook DarkOutlineLook(ButtonState state) {
  ButtonLook look{kNone, palette::kTipBorder, 1, kNone, 0, 0, 0};
  if (state == ButtonState::kHover) {
    look.fill = palette::kTipWash;
    look.border = palette::kTipBorderHot;
  } else if (state == ButtonState::kPushed) {
    look.fill = palette::kTipPushed;
    look.border = palette::kTipBorderHot;
    look.press_offset = 1;
  }
  return look;
}

}  // namespace skin_art
