#include "install/package_hash.h"

#include "platform/text_encoding.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

}  // namespace

bool ParseSha256Text(const std::string& text, platform::Sha256Digest& digest) {
  if (text.size() != 2 * digest.size()) {
    return false;
  }
  for (size_t i = 0; i < digest.size(); ++i) {
    const int high = HexValue(text[2 * i]);
    const int low = HexValue(text[2 * i + 1]);
    if (high < 0 || low < 0) {
      return false;
    }
    digest[i] = static_cast<unsigned char>(high * 16 + low);
  }
  return true;
}

bool IsPackageIntact(const std::string& localPath, const std::optional<std::string>& expected) {
  if (!expected) {
    return true;
  }
  platform::Sha256Digest wanted{};
  platform::Sha256Digest actual{};
  return ParseSha256Text(*expected, wanted) &&
         platform::Sha256OfFile(platform::NarrowToWide(localPath), actual) && actual == wanted;
}
