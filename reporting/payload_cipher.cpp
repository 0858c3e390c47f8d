#include "reporting/payload_cipher.h"

#include <cstring>
#include <vector>

#include "reporting/aes.h"
#include "reporting/base64.h"

namespace {

constexpr size_t kKeySize = AES::kBlockSize;

// The 16 key bytes: `key` followed by zero bytes. False for a key that is too long.
bool MakeKeyBuffer(const std::string& key, unsigned char (&buffer)[kKeySize]) {
  if (key.size() > kKeySize) {
    return false;
  }
  std::memset(buffer, 0, kKeySize);
  std::memcpy(buffer, key.data(), key.size());
  return true;
}

// Web servers and frameworks often end a body with a line break or blanks; Base64 text never
// ends in white space, so it is no part of the payload.
void RemoveTrailingWhiteSpace(std::string& text) {
  const size_t end = text.find_last_not_of(" \t\r\n\v\f");
  text.erase(end == std::string::npos ? 0 : end + 1);
}

}  // namespace

std::string EncryptPayload(std::string plain, std::string key) {
  unsigned char keyBuffer[kKeySize];
  if (!MakeKeyBuffer(key, keyBuffer)) {
    return {};
  }
  const size_t padding = kKeySize - plain.size() % kKeySize;  // 1..16
  std::vector<unsigned char> buffer(plain.size() + padding, static_cast<unsigned char>(padding));
  std::memcpy(buffer.data(), plain.data(), plain.size());
  if (AES(keyBuffer).EncryptBlocks(buffer.data(), static_cast<std::ptrdiff_t>(buffer.size())) ==
      nullptr) {
    return {};
  }
  return Base64Encode(buffer.data(), buffer.size());
}

std::string DecryptPayload(std::string text, std::string key) {
  RemoveTrailingWhiteSpace(text);
  unsigned char keyBuffer[kKeySize];
  if (!MakeKeyBuffer(key, keyBuffer) || text.size() % 4 != 0) {
    return {};
  }
  std::vector<unsigned char> decoded(text.size());
  size_t length = 0;
  Base64Decode(text, decoded.data(), length);
  if (length % kKeySize != 0) {
    return {};
  }
  if (AES(keyBuffer).DecryptBlocks(decoded.data(), static_cast<std::ptrdiff_t>(length)) ==
      nullptr) {
    return {};
  }
  if (length > 0) {
    const size_t padding = decoded[length - 1];
    if (padding >= 1 && padding <= kKeySize && padding <= length) {
      length -= padding;
    }
  }
  return std::string(reinterpret_cast<const char*>(decoded.data()), length);
}
