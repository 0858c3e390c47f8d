#include "tools/skin_art/skin_images.h"

namespace skin_art {

std::vector<SkinImage> RenderSkinImages(const Fonts& fonts) {
  std::vector<SkinImage> images;
  AddFrameArt(fonts, images);
  AddFrameButtons(fonts, images);
  AddFrameControls(fonts, images);
  AddAgreementImages(fonts, images);
  AddBaseImages(fonts, images);
  return images;
}

}  // namespace skin_art
