// The push buttons of the main window.
#include <string>

#include "tools/skin_art/button_looks.h"
#include "tools/skin_art/glyphs.h"
#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"
#include "tools/skin_art/skin_images.h"

namespace skin_art {
namespace {

struct StateFile {
  ButtonState state;
  const char* suffix;
};

// The 190 x 74 pictures leave room around a pill-shaped body for its shadow.
Canvas MakePrimaryButton(const Fonts& fonts, ButtonState state, const char* caption) {
  Canvas canvas(190, 74);
  const TextStyle style{fonts.cjk.get(), 22, Solid(palette::kWhite), 0.6f};
  DrawButton(canvas, {8, 9, 182, 61}, 26, PrimaryLook(state), style, caption);
  return canvas;
}

void AddPrimaryButtons(const Fonts& fonts, std::vector<SkinImage>& images) {
  constexpr StateFile kInstall[] = {{ButtonState::kNormal, "normal"},
                                    {ButtonState::kHover, "hover"},
                                    {ButtonState::kPushed, "push"},
                                    {ButtonState::kDisabled, "disable"}};
  for (const StateFile& file : kInstall) {
    images.push_back({std::string("frame/btn_install_") + file.suffix + ".png",
                      MakePrimaryButton(fonts, file.state, "立即安装")});
  }
  for (const StateFile& file : {kInstall[0], kInstall[1], kInstall[2]}) {
    images.push_back({std::string("frame/btn_startuse_") + file.suffix + ".png",
                      MakePrimaryButton(fonts, file.state, "开始使用")});
  }
}

Canvas MakeBrowseButton(const Fonts& fonts, ButtonState state) {
  Canvas canvas(67, 28);
  const Color text = state == ButtonState::kNormal ? palette::kBodyText : palette::kAccent;
  const TextStyle style{fonts.cjk.get(), 13, Solid(text), 0.2f};
  DrawButton(canvas, {0, 0, 67, 28}, 3, OutlineLook(state), style, "浏览");
  return canvas;
}

}  // namespace

void AddFrameButtons(const Fonts& fonts, std::vector<SkinImage>& images) {
  AddPrimaryButtons(fonts, images);
  images.push_back({"frame/btn_browse_normal.png", MakeBrowseButton(fonts, ButtonState::kNormal)});
  images.push_back({"frame/btn_browse_hot.png", MakeBrowseButton(fonts, ButtonState::kHover)});
  images.push_back({"frame/btn_browse_pushed.png", MakeBrowseButton(fonts, ButtonState::kPushed)});
  // The close button sits on the dark header: a light cross, an accent disc under the mouse.
  images.push_back({"frame/btn_close_normal.png", MakeCloseButton({}, palette::kHeaderIcon)});
  images.push_back(
      {"frame/btn_close_hover.png", MakeCloseButton(palette::kAccent, palette::kWhite)});
}

}  // namespace skin_art
