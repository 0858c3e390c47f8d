// Every image of the skin, drawn in memory, with its path below the skin folder.
#pragma once

#include <string>
#include <vector>

#include "tools/skin_art/canvas.h"
#include "tools/skin_art/fonts.h"

namespace skin_art {

struct SkinImage {
  std::string path;  // e.g. "frame/BG.png"
  Canvas canvas;
};

// Requires both faces of `fonts`.
std::vector<SkinImage> RenderSkinImages(const Fonts& fonts);

// The images of each folder of the skin.
void AddFrameArt(const Fonts& fonts, std::vector<SkinImage>& images);
void AddFrameButtons(const Fonts& fonts, std::vector<SkinImage>& images);
void AddFrameControls(const Fonts& fonts, std::vector<SkinImage>& images);
void AddAgreementImages(const Fonts& fonts, std::vector<SkinImage>& images);
void AddBaseImages(const Fonts& fonts, std::vector<SkinImage>& images);

}  // namespace skin_art
