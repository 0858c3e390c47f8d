// The small controls of the main window: options toggle, agreement box, progress bar and
// the path field frame.
#include "tools/skin_art/glyphs.h"
#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"
#include "tools/skin_art/skin_images.h"
#include "tools/skin_art/text.h"

namespace skin_art {
namespace {

// Right-aligned, so that the toggle lines up with the page's right margin.
Canvas MakeOptionsToggle(const Fonts& fonts, Direction arrow, bool hot) {
  Canvas canvas(80, 13);
  const Color colour = hot ? palette::kAccent : palette::kBodyText;
  const TextStyle style{fonts.cjk.get(), 12, Solid(colour)};
  constexpr float kArrowCentre = 75.5f;
  const float text_right = kArrowCentre - 8;
  const float width = InkWidth(style, "自定义安装");
  DrawTextCentred(canvas, style, "自定义安装", {text_right - width, 0, text_right, 13});
  DrawChevron(canvas, {kArrowCentre, 6.5f}, 3.5f, 1.8f, arrow, 1.3f, Solid(colour));
  return canvas;
}

Canvas MakeCheckBox(bool checked) {
  Canvas canvas(13, 11);
  DrawCheckBox(canvas, {1, 0, 12, 11}, checked, palette::kBoxBorder, palette::kWhite);
  return canvas;
}

Canvas MakeProgress(Color colour) {
  Canvas canvas(556, 5);
  FillRoundRect(canvas, {0, 0, 556, 5}, 2.5f, Solid(colour));
  return canvas;
}

Canvas MakePathField() {
  Canvas canvas(292, 32);
  FillRoundRect(canvas, {0, 0, 292, 32}, 0, Solid(palette::kWhite));
  StrokeRoundRect(canvas, {0.5f, 0.5f, 291.5f, 31.5f}, 0, 1, Solid(palette::kLine));
  return canvas;
}

}  // namespace

void AddFrameControls(const Fonts& fonts, std::vector<SkinImage>& images) {
  // "hide" is the panel-closed look (the arrow offers to open it), "showopt" the open one.
  images.push_back(
      {"frame/btn_hide_normal.png", MakeOptionsToggle(fonts, Direction::kDown, false)});
  images.push_back({"frame/btn_hide_hot.png", MakeOptionsToggle(fonts, Direction::kDown, true)});
  images.push_back(
      {"frame/btn_showopt_normal.png", MakeOptionsToggle(fonts, Direction::kUp, false)});
  images.push_back({"frame/btn_showopt_hot.png", MakeOptionsToggle(fonts, Direction::kUp, true)});
  images.push_back({"frame/uncheck.png", MakeCheckBox(false)});
  images.push_back({"frame/check.png", MakeCheckBox(true)});
  images.push_back({"frame/progress_bg.png", MakeProgress(palette::kTrack)});
  images.push_back({"frame/progress_fg.png", MakeProgress(palette::kAccent)});
  images.push_back({"frame/path_browse.png", MakePathField()});
}

}  // namespace skin_art
