// GDI fonts for the skinned windows, made once per description and kept for the process.
#pragma once

#include <windows.h>

#include "platform/ui_canvas.h"

namespace platform::ui {

// UI thread only. Never null: falls back to the system's default GUI font.
HFONT FontFor(const FontSpec& font);

}  // namespace platform::ui
