// The two large pictures of the main window: the header and the finished page's banner.
#include <iterator>

#include "tools/skin_art/feature_icons.h"
#include "tools/skin_art/logo_mark.h"
#include "tools/skin_art/palette.h"
#include "tools/skin_art/shapes.h"
#include "tools/skin_art/skin_images.h"
#include "tools/skin_art/text.h"

namespace skin_art {
namespace {

void DrawHeaderBackdrop(Canvas& canvas) {
  const Box all{0, 0, 600, 200};
  FillRoundRect(canvas, all, 0,
                VerticalGradient(0, palette::kHeaderTop, 200, palette::kHeaderBottom));
  FillRoundRect(canvas, all, 0, RadialGlow(540, 10, 300, WithAlpha(palette::kAccent, 0.22f)));
  FillRoundRect(canvas, all, 0, RadialGlow(40, 220, 260, Rgb(0x3d6df0, 0.14f)));
  // Faint rings behind the right half give the flat backdrop some depth.
  for (float radius : {110.0f, 150.0f, 190.0f}) {
    Fill(canvas, all, Outline(CircleDistance({520, 150}, radius), 1.2f),
         Solid(Rgb(0xffffff, 0.045f)));
  }
}

void DrawWordmark(Canvas& canvas, const Fonts& fonts) {
  constexpr float kMark = 60;
  constexpr float kGap = 16;
  const TextStyle quillo{fonts.latin_bold.get(), 42, Solid(palette::kHeaderText)};
  const TextStyle pdf{fonts.latin_bold.get(), 42, Solid(palette::kAccent)};
  const TextRun first = quillo.font->Layout("Quillo", quillo.size);
  const TextRun second = pdf.font->Layout("PDF", pdf.size);
  const float width = kMark + kGap + first.advance + second.ink.right;
  const float left = 300 - width / 2;
  DrawLogoMark(canvas, {left, 52, left + kMark, 52 + kMark});
  const Point baseline{left + kMark + kGap, 97};
  quillo.font->Draw(canvas, first, baseline, quillo.paint);
  pdf.font->Draw(canvas, second, {baseline.x + first.advance, baseline.y}, pdf.paint);
}

Canvas MakeHeader(const Fonts& fonts) {
  Canvas canvas(600, 200);
  DrawHeaderBackdrop(canvas);
  DrawWordmark(canvas, fonts);
  const TextStyle slogan{fonts.cjk.get(), 17, Solid(palette::kHeaderSubtext), 0.2f};
  DrawTextCentred(canvas, slogan, "专业 PDF 转换，让办公更轻松", {0, 128, 600, 148});
  return canvas;
}

struct FeatureCard {
  Feature icon;
  const char* title;
  const char* detail;
};

constexpr FeatureCard kFeatures[] = {
    {Feature::kSpeed, "极速转换", "多核加速，秒级完成"},
    {Feature::kFormats, "格式丰富", "Word Excel PPT 图片"},
    {Feature::kBatch, "批量处理", "一次转换多个文件"},
    {Feature::kSecurity, "安全可靠", "本地转换，保护隐私"},
};

Canvas MakeFeatureBanner(const Fonts& fonts) {
  Canvas canvas(600, 117);
  FillRoundRect(canvas, {0, 0, 600, 117}, 0, Solid(palette::kWhite));
  const TextStyle title{fonts.cjk.get(), 14, Solid(palette::kCaptionText), 0.3f};
  const TextStyle detail{fonts.cjk.get(), 12, Solid(Rgb(0x9a9a9a))};
  for (std::size_t i = 0; i < std::size(kFeatures); ++i) {
    const float centre = 75.0f + 150.0f * static_cast<float>(i);
    FillCircle(canvas, {centre, 38}, 26, Solid(palette::kAccentTint));
    DrawFeatureIcon(canvas, kFeatures[i].icon, {centre, 38});
    DrawTextCentred(canvas, title, kFeatures[i].title, {centre - 75, 74, centre + 75, 90});
    DrawTextCentred(canvas, detail, kFeatures[i].detail, {centre - 75, 96, centre + 75, 108});
  }
  return canvas;
}

}  // namespace

void AddFrameArt(const Fonts& fonts, std::vector<SkinImage>& images) {
  images.push_back({"frame/BG.png", MakeHeader(fonts)});
  images.push_back({"frame/BG1.png", MakeFeatureBanner(fonts)});
}

}  // namespace skin_art
