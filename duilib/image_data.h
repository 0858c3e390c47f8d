// A decoded picture, ready to blend onto a surface.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace DuiLib {

struct TImageData {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, premultiplied, rows top-down
};

// Decodes PNG (or another format stb_image reads) bytes; null when they are not a picture.
std::shared_ptr<TImageData> DecodeImage(const std::string& bytes);

}  // namespace DuiLib
