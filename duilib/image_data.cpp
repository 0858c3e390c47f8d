#include "duilib/image_data.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <limits>

namespace DuiLib {
namespace {

// Pictures of the skin are small; this bound keeps a forged header from asking for gigabytes.
constexpr int kMaxSide = 4096;

uint32_t Premultiply(const stbi_uc* rgba) {
  const uint32_t a = rgba[3];
  const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale(rgba[0]) << 16) | (scale(rgba[1]) << 8) | scale(rgba[2]);
}

}  // namespace

std::shared_ptr<TImageData> DecodeImage(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max())) {
    return nullptr;
  }
  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (!stbi_info_from_memory(data, length, &width, &height, &channels) || width > kMaxSide ||
      height > kMaxSide) {
    return nullptr;
  }
  stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
  if (rgba == nullptr) {
    return nullptr;
  }
  auto image = std::make_shared<TImageData>();
  image->width = width;
  image->height = height;
  image->pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (size_t i = 0; i < image->pixels.size(); ++i) {
    image->pixels[i] = Premultiply(rgba + i * 4);
  }
  stbi_image_free(rgba);
  return image;
}

}  // namespace DuiLib
