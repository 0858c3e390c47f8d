// The images of the agreement window: logo, close and confirm buttons, scroll bar.
#include <string>

#include "tools/skin_art/button_looks.h"
#include "tools/skin_art/glyphs.h"
#include "tools/skin_art/logo_mark.h"
#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"
#include "tools/skin_art/skin_images.h"

namespace skin_art {
namespace {

// The mark and the name, the name sized to fill what the mark leaves of the 81 pixels.
Canvas MakeLogo(const Fonts& fonts) {
  Canvas canvas(81, 19);
  DrawLogoMark(canvas, {0, 1, 17, 18});
  constexpr float kTextLeft = 21;
  float size = 14;
  while (size > 6 && InkWidth({fonts.latin_bold.get(), size, {}}, "QuilloPDF") > 81 - kTextLeft) {
    size -= 0.25f;
  }
  const TextStyle name{fonts.latin_bold.get(), size, Solid(palette::kCaptionText)};
  const TextRun quillo = name.font->Layout("Quillo", size);
  const TextRun pdf = name.font->Layout("PDF", size);
  const float baseline = 9.5f + quillo.ink.Height() / 2;
  name.font->Draw(canvas, quillo, {kTextLeft - quillo.ink.left, baseline}, name.paint);
  name.font->Draw(canvas, pdf, {kTextLeft - quillo.ink.left + quillo.advance, baseline},
                  Solid(palette::kAccent));
  return canvas;
}

Canvas MakeConfirm(const Fonts& fonts, ButtonState state) {
  Canvas canvas(94, 36);
  const TextStyle style{fonts.cjk.get(), 15, Solid(palette::kWhite), 0.3f};
  DrawButton(canvas, {1, 1, 93, 35}, 17, DialogLook(state), style, "确定");
  return canvas;
}

// The arrows are the top and bottom 9 x 9 squares; the track runs between them.
Canvas MakeScrollBar() {
  Canvas canvas(10, 308);
  FillRoundRect(canvas, {2.5f, 11, 6.5f, 297}, 2, Solid(palette::kScrollTrack));
  DrawChevron(canvas, {4.5f, 4.5f}, 2.5f, 1.3f, Direction::kUp, 1.2f, Solid(palette::kMutedIcon));
  DrawChevron(canvas, {4.5f, 303.5f}, 2.5f, 1.3f, Direction::kDown, 1.2f,
              Solid(palette::kMutedIcon));
  return canvas;
}

// Corners of 2 pixels stay sharp when the toolkit stretches the thumb.
Canvas MakeScrollThumb() {
  Canvas canvas(9, 187);
  FillRoundRect(canvas, {1, 0, 8, 187}, 2, Solid(palette::kScrollThumb));
  return canvas;
}

}  // namespace

void AddAgreementImages(const Fonts& fonts, std::vector<SkinImage>& images) {
  images.push_back({"agreement/logo.png", MakeLogo(fonts)});
  images.push_back({"agreement/btn_close_normal.png", MakeCloseButton({}, palette::kMutedIcon)});
  images.push_back(
      {"agreement/btn_close_hover.png", MakeCloseButton(palette::kHoverWash, palette::kDarkIcon)});
  images.push_back({"agreement/btn_confirm_normal.png", MakeConfirm(fonts, ButtonState::kNormal)});
  images.push_back({"agreement/btn_confirm_hover.png", MakeConfirm(fonts, ButtonState::kHover)});
  images.push_back({"agreement/btn_confirm_push.png", MakeConfirm(fonts, ButtonState::kPushed)});
  images.push_back({"agreement/scrollbar_normal.png", MakeScrollBar()});
  images.push_back({"agreement/scroll_thumb_normal.png", MakeScrollThumb()});
}

}  // namespace skin_art
