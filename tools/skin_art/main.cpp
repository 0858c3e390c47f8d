// Draws every image of the skin into <skin folder>/{frame,agreement,base}/.
// Usage: skin_art <skin folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "tools/skin_art/png_encoder.h"
#include "tools/skin_art/skin_images.h"

namespace {

bool WriteImage(const std::filesystem::path& path, const std::vector<std::uint8_t>& png) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error || png.empty()) {
    return false;
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_art <skin folder>\n");
    return 2;
  }
  std::string error;
  const skin_art::Fonts fonts = skin_art::LoadFonts(error);
  if (!error.empty()) {
    std::fprintf(stderr, "skin_art: %s\n", error.c_str());
    return 1;
  }
  const std::filesystem::path skin(argv[1]);
  for (const skin_art::SkinImage& image : skin_art::RenderSkinImages(fonts)) {
    const std::filesystem::path target = skin / image.path;
    if (!WriteImage(target, skin_art::EncodePng(image.canvas))) {
      std::fprintf(stderr, "skin_art: cannot write %s\n", target.c_str());
      return 1;
    }
  }
  return 0;
}
