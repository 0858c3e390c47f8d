// The pictograms of the finished page's feature banner, drawn in the accent colour.
#pragma once

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/geometry.h"

namespace skin_art {

enum class Feature { kSpeed, kFormats, kBatch, kSecurity };

// Draws the pictogram about 26 pixels tall around `centre`.
void DrawFeatureIcon(Canvas& canvas, Feature feature, Point centre);

}  // namespace skin_art
