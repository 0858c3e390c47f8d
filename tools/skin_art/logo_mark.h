// The product's mark: a white page with a folded corner on an accent tile.
#pragma once

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"

namespace skin_art {

// `tile` should be square; text lines appear on the page only where there is room for them.
void DrawLogoMark(Canvas& canvas, Box tile);

}  // namespace skin_art
