#include "reporting/base64.h"

#include <cstdint>

const char* const kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

namespace {

constexpr char kPad = '=';

// Position of `c` in the alphabet, or -1 when `c` ends the data.
int AlphabetIndex(char c) {
  if (c >= 'A' && c <= 'Z') {
    return c - 'A';
  }
  if (c >= 'a' && c <= 'z') {
    return c - 'a' + 26;
  }
  if (c >= '0' && c <= '9') {
    return c - '0' + 52;
  }
  if (c == '+') {
    return 62;
  }
  if (c == '/') {
    return 63;
  }
  return -1;
}

}  // namespace

std::string Base64Encode(const unsigned char* bytes, size_t length) {
  std::string text;
  text.reserve((length + 2) / 3 * 4);
  for (size_t i = 0; i < length; i += 3) {
    const size_t available = length - i < 3 ? length - i : 3;
    uint32_t group = static_cast<uint32_t>(bytes[i]) << 16;
    if (available > 1) {
      group |= static_cast<uint32_t>(bytes[i + 1]) << 8;
    }
    if (available > 2) {
      group |= bytes[i + 2];
    }
    for (size_t sextet = 0; sextet < 4; ++sextet) {
      text += sextet <= available ? kBase64Alphabet[(group >> (18 - 6 * sextet)) & 0x3F] : kPad;
    }
  }
  return text;
}

void Base64Decode(const std::string& text, unsigned char* output, size_t& outputLength) {
  outputLength = 0;
  uint32_t group = 0;
  int collected = 0;
  for (const char c : text) {
    const int index = AlphabetIndex(c);
    if (index < 0) {
      break;
    }
    group = (group << 6) | static_cast<uint32_t>(index);
    if (++collected == 4) {
      output[outputLength++] = static_cast<unsigned char>(group >> 16);
      output[outputLength++] = static_cast<unsigned char>(group >> 8);
      output[outputLength++] = static_cast<unsigned char>(group);
      group = 0;
      collected = 0;
    }
  }
  // A partial group carries 6 bits per character; only whole bytes are kept.
  if (collected >= 2) {
    group <<= 6 * (4 - collected);
    output[outputLength++] = static_cast<unsigned char>(group >> 16);
    if (collected == 3) {
      output[outputLength++] = static_cast<unsigned char>(group >> 8);
    }
  }
}
