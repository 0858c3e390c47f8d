// PNG files of canvases. The same canvas always gives the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/skin_art/canvas.h"

namespace skin_art {

std::vector<std::uint8_t> EncodePng(const Canvas& canvas);

}  // namespace skin_art
