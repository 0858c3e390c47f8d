#include "tools/skin_art/png_encoder.h"

#include <zlib.h>

#include <cstdlib>

namespace {

// zlib at its best level makes the images noticeably smaller than stb's own deflate; the
// buffer must come from malloc because stb frees it.
unsigned char* CompressForPng(unsigned char* data, int length, int* out_length, int) {
  uLongf size = compressBound(static_cast<uLong>(length));
  auto* out = static_cast<unsigned char*>(std::malloc(size));
  if (out == nullptr ||
      compress2(out, &size, data, static_cast<uLong>(length), Z_BEST_COMPRESSION) != Z_OK) {
    std::free(out);
    *out_length = 0;
    return nullptr;
  }
  *out_length = static_cast<int>(size);
  return out;
}

}  // namespace

#define STBIW_ZLIB_COMPRESS CompressForPng
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace skin_art {
namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
  const std::vector<std::uint8_t> rgba = canvas.ToRgba8();
  std::vector<std::uint8_t> png;
  if (stbi_write_png_to_func(Append, &png, canvas.width(), canvas.height(), 4, rgba.data(),
                             canvas.width() * 4) == 0) {
    png.clear();
  }
  return png;
}

}  // namespace skin_art
