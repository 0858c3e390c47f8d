// The looks of the skin's buttons in each of their states.
#pragma once

#include "tools/skin_art/button_face.h"

namespace skin_art {

enum class ButtonState { kNormal, kHover, kPushed, kDisabled };

// The large accent buttons of the main window, with a coloured shadow.
ButtonLook PrimaryLook(ButtonState state);
// The accent buttons of dialogs, flat.
ButtonLook DialogLook(ButtonState state);
// Outlined buttons on a white page.
ButtonLook OutlineLook(ButtonState state);
// Outlined buttons on the dark tip windows.
ButtonLook DarkOutlineLook(ButtonState state);

}  // namespace skin_art
