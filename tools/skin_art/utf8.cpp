#include "tools/skin_art/utf8.h"

namespace skin_art {
namespace {

constexpr char32_t kReplacement = 0xfffd;

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) {
    return 1;
  }
  if ((lead & 0xe0) == 0xc0) {
    return 2;
  }
  if ((lead & 0xf0) == 0xe0) {
    return 3;
  }
  if ((lead & 0xf8) == 0xf0) {
    return 4;
  }
  return 0;
}

}  // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t code = lead & kLeadMask[length];
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      valid = valid && (next & 0xc0) == 0x80;
      code = (code << 6) | (next & 0x3f);
    }
    out.push_back(valid ? code : kReplacement);
    i += valid ? static_cast<std::size_t>(length) : 1;
  }
  return out;
}

}  // namespace skin_art
