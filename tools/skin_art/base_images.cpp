// The images of the dark tip windows: close button, warning icon, buttons, check box.
#include <string>

#include "tools/skin_art/button_looks.h"
#include "tools/skin_art/glyphs.h"
#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"
#include "tools/skin_art/skin_images.h"

namespace skin_art {
namespace {

Canvas MakeDarkClose(bool hot) {
  Canvas canvas(9, 9);
  DrawCross(canvas, {4.5f, 4.5f}, 3.5f, 1.3f,
            Solid(hot ? palette::kTipIconHot : palette::kTipIcon));
  return canvas;
}

Canvas MakeExclamation() {
  Canvas canvas(20, 20);
  FillCircle(canvas, {10, 10}, 9.5f, Solid(palette::kWarning));
  const Paint white = Solid(palette::kWhite);
  DrawPolyline(canvas, {{10, 5.2f}, {10, 10.8f}}, 2.2f, white);
  FillCircle(canvas, {10, 14.4f}, 1.35f, white);
  return canvas;
}

Canvas MakeTipButton(const Fonts& fonts, const ButtonLook& look, Color text, const char* caption) {
  Canvas canvas(94, 36);
  const TextStyle style{fonts.cjk.get(), 15, Solid(text), 0.3f};
  DrawButton(canvas, {1, 1, 93, 35}, 17, look, style, caption);
  return canvas;
}

Canvas MakeTipCheck(bool selected) {
  Canvas canvas(12, 12);
  DrawCheckBox(canvas, {0, 0, 12, 12}, selected, palette::kTipIcon, Color{});
  return canvas;
}

struct StateFile {
  ButtonState state;
  const char* suffix;
};

constexpr StateFile kTipStates[] = {{ButtonState::kNormal, "normal"},
                                    {ButtonState::kHover, "hot"},
                                    {ButtonState::kPushed, "pushed"}};

}  // namespace

void AddBaseImages(const Fonts& fonts, std::vector<SkinImage>& images) {
  images.push_back({"base/btnDarkClose-normal.png", MakeDarkClose(false)});
  images.push_back({"base/btnDarkClose-hot.png", MakeDarkClose(true)});
  images.push_back({"base/icon-exc.png", MakeExclamation()});
  for (const StateFile& file : kTipStates) {
    images.push_back({std::string("base/btnOk-") + file.suffix + ".png",
                      MakeTipButton(fonts, DialogLook(file.state), palette::kWhite, "确定")});
    const Color no_text = file.state == ButtonState::kNormal ? palette::kTipText : palette::kWhite;
    images.push_back({std::string("base/btnNo-") + file.suffix + ".png",
                      MakeTipButton(fonts, DarkOutlineLook(file.state), no_text, "取消")});
  }
  images.push_back({"base/Unsel-normal.png", MakeTipCheck(false)});
  images.push_back({"base/Sel-normal.png", MakeTipCheck(true)});
}

}  // namespace skin_art
