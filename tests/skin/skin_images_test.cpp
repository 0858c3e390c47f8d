// The committed skin images: names, folders, pixel sizes, decoding, distinct state looks,
// and that the generator still draws exactly the committed bytes.
#include <gtest/gtest.h>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/skin/skin_files.h"
#include "tools/skin_art/png_encoder.h"
#include "tools/skin_art/skin_images.h"

namespace {

struct ImageSize {
  int width;
  int height;
};

// Every image the layouts and the program rely on, with its pixel size.
const std::map<std::string, ImageSize>& ExpectedImages() {
  static const std::map<std::string, ImageSize> images = {
      {"frame/BG.png", {600, 200}},
      {"frame/BG1.png", {600, 117}},
      {"frame/btn_close_normal.png", {20, 20}},
      {"frame/btn_close_hover.png", {20, 20}},
      {"frame/btn_install_normal.png", {190, 74}},
      {"frame/btn_install_hover.png", {190, 74}},
      {"frame/btn_install_push.png", {190, 74}},
      {"frame/btn_install_disable.png", {190, 74}},
      {"frame/btn_startuse_normal.png", {190, 74}},
      {"frame/btn_startuse_hover.png", {190, 74}},
      {"frame/btn_startuse_push.png", {190, 74}},
      {"frame/btn_hide_normal.png", {80, 13}},
      {"frame/btn_hide_hot.png", {80, 13}},
      {"frame/btn_showopt_normal.png", {80, 13}},
      {"frame/btn_showopt_hot.png", {80, 13}},
      {"frame/btn_browse_normal.png", {67, 28}},
      {"frame/btn_browse_hot.png", {67, 28}},
      {"frame/btn_browse_pushed.png", {67, 28}},
      {"frame/uncheck.png", {13, 11}},
      {"frame/check.png", {13, 11}},
      {"frame/progress_bg.png", {556, 5}},
      {"frame/progress_fg.png", {556, 5}},
      {"frame/path_browse.png", {292, 32}},
      {"agreement/logo.png", {81, 19}},
      {"agreement/btn_close_normal.png", {20, 20}},
      {"agreement/btn_close_hover.png", {20, 20}},
      {"agreement/btn_confirm_normal.png", {94, 36}},
      {"agreement/btn_confirm_hover.png", {94, 36}},
      {"agreement/btn_confirm_push.png", {94, 36}},
      {"agreement/scrollbar_normal.png", {10, 308}},
      {"agreement/scroll_thumb_normal.png", {9, 187}},
      {"base/btnDarkClose-normal.png", {9, 9}},
      {"base/btnDarkClose-hot.png", {9, 9}},
      {"base/icon-exc.png", {20, 20}},
      {"base/btnOk-normal.png", {94, 36}},
      {"base/btnOk-hot.png", {94, 36}},
      {"base/btnOk-pushed.png", {94, 36}},
      {"base/btnNo-normal.png", {94, 36}},
      {"base/btnNo-hot.png", {94, 36}},
      {"base/btnNo-pushed.png", {94, 36}},
      {"base/Unsel-normal.png", {12, 12}},
      {"base/Sel-normal.png", {12, 12}},
  };
  return images;
}

std::filesystem::path SkinDir() {
  return skin_test::SourceDir() / "shell" / "skin";
}

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;
};

// Decodes the whole file, not just its header, so that a damaged data stream fails.
bool DecodePng(const std::string& bytes, DecodedImage& image) {
  static const std::string kSignature("\x89PNG\r\n\x1a\n", 8);
  if (bytes.compare(0, kSignature.size(), kSignature) != 0) {
    return false;
  }
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                          static_cast<int>(bytes.size()), &image.width,
                                          &image.height, &channels, 4);
  if (pixels == nullptr) {
    return false;
  }
  image.rgba.assign(pixels, pixels + static_cast<std::size_t>(image.width) *
                                         static_cast<std::size_t>(image.height) * 4);
  stbi_image_free(pixels);
  return true;
}

TEST(SkinImages, EveryImageIsAPngOfItsListedSize) {
  for (const auto& [path, size] : ExpectedImages()) {
    SCOPED_TRACE(path);
    DecodedImage image;
    ASSERT_TRUE(DecodePng(skin_test::ReadFile(SkinDir() / path), image));
    EXPECT_EQ(image.width, size.width);
    EXPECT_EQ(image.height, size.height);
  }
}

// A misspelt or left-over file would be packed into the skin while the listed one is missing.
TEST(SkinImages, FoldersHoldOnlyTheListedImages) {
  for (const char* folder : {"agreement", "base", "frame"}) {
    for (const auto& entry : std::filesystem::directory_iterator(SkinDir() / folder)) {
      const std::string path = std::string(folder) + "/" + entry.path().filename().string();
      EXPECT_TRUE(ExpectedImages().count(path) == 1) << "unexpected " << path;
    }
  }
}

// Each state of a control must look different, or hovering and pressing show nothing.
TEST(SkinImages, StatesOfOneControlDiffer) {
  const std::vector<std::vector<std::string>> groups = {
      {"frame/btn_install_normal.png", "frame/btn_install_hover.png", "frame/btn_install_push.png",
       "frame/btn_install_disable.png"},
      {"frame/btn_startuse_normal.png", "frame/btn_startuse_hover.png",
       "frame/btn_startuse_push.png"},
      {"frame/btn_hide_normal.png", "frame/btn_hide_hot.png", "frame/btn_showopt_normal.png",
       "frame/btn_showopt_hot.png"},
      {"frame/btn_browse_normal.png", "frame/btn_browse_hot.png", "frame/btn_browse_pushed.png"},
      {"frame/btn_close_normal.png", "frame/btn_close_hover.png"},
      {"frame/uncheck.png", "frame/check.png"},
      {"frame/progress_bg.png", "frame/progress_fg.png"},
      {"agreement/btn_close_normal.png", "agreement/btn_close_hover.png"},
      {"agreement/btn_confirm_normal.png", "agreement/btn_confirm_hover.png",
       "agreement/btn_confirm_push.png"},
      {"base/btnDarkClose-normal.png", "base/btnDarkClose-hot.png"},
      {"base/btnOk-normal.png", "base/btnOk-hot.png", "base/btnOk-pushed.png"},
      {"base/btnNo-normal.png", "base/btnNo-hot.png", "base/btnNo-pushed.png"},
      {"base/Unsel-normal.png", "base/Sel-normal.png"},
  };
  for (const auto& group : groups) {
    std::set<std::vector<unsigned char>> looks;
    for (const std::string& path : group) {
      DecodedImage image;
      ASSERT_TRUE(DecodePng(skin_test::ReadFile(SkinDir() / path), image)) << path;
      looks.insert(image.rgba);
    }
    EXPECT_EQ(looks.size(), group.size()) << "identical states in the group of " << group[0];
  }
}

class SkinArtGenerator : public testing::Test {
 protected:
  static void SetUpTestSuite() { fonts_ = new skin_art::Fonts(skin_art::LoadFonts(load_error_)); }
  static void TearDownTestSuite() {
    delete fonts_;
    fonts_ = nullptr;
  }
  // Without its fonts the generator cannot draw; each test stops here instead of crashing.
  void SetUp() override { ASSERT_TRUE(load_error_.empty()) << load_error_; }

  static std::map<std::string, std::vector<std::uint8_t>> Render() {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const skin_art::SkinImage& image : skin_art::RenderSkinImages(*fonts_)) {
      files[image.path] = skin_art::EncodePng(image.canvas);
    }
    return files;
  }

  static skin_art::Fonts* fonts_;
  static std::string load_error_;
};

skin_art::Fonts* SkinArtGenerator::fonts_ = nullptr;
std::string SkinArtGenerator::load_error_;

// The committed images are the generator's output: a change to the art code without
// regenerating, or a drawing step that depends on anything but its inputs, shows here.
TEST_F(SkinArtGenerator, DrawsExactlyTheCommittedImages) {
  const auto rendered = Render();
  std::set<std::string> names;
  for (const auto& [path, png] : rendered) {
    names.insert(path);
    const std::string committed = skin_test::ReadFile(SkinDir() / path);
    EXPECT_TRUE(committed == std::string(png.begin(), png.end()))
        << path << " differs from the generator's output; run tools/skin_art/regenerate.sh";
  }
  std::set<std::string> expected;
  for (const auto& entry : ExpectedImages()) {
    expected.insert(entry.first);
  }
  EXPECT_EQ(names, expected);
}

TEST_F(SkinArtGenerator, SameInputsGiveSameBytes) {
  EXPECT_EQ(Render(), Render());
}

}  // namespace
