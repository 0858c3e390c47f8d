#include "reporting/manifest_signature.h"

#include <mutex>
#include <optional>
#include <vector>

#include "platform/crypto.h"
#include "reporting/base64.h"
#include "reporting/manifest_public_key.h"

namespace {

// SubjectPublicKeyInfo of a P-256 key (id-ecPublicKey, prime256v1), before the point.
constexpr unsigned char kP256KeyInfoPrefix[] = {
    0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01,
    0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};
constexpr size_t kCoordinateSize = 32;

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Strict Base64: whole groups of four, padding only at the end, nothing else.
bool DecodeBase64Strictly(const std::string& text, std::string& bytes) {
  if (text.empty() || text.size() % 4 != 0) {
    return false;
  }
  std::vector<unsigned char> buffer(text.size());
  size_t length = 0;
  Base64Decode(text, buffer.data(), length);
  const size_t padding = text.size() - text.find_last_not_of('=') - 1;
  if (padding > 2 || length != text.size() / 4 * 3 - padding) {
    return false;
  }
  bytes.assign(reinterpret_cast<const char*>(buffer.data()), length);
  return true;
}

// Reads one DER element of `tag` with a short-form length at `at`; its content goes to
// `content` and `at` moves past it.
bool ReadElement(const std::string& der, size_t& at, unsigned char tag, std::string& content) {
  if (at + 2 > der.size() || static_cast<unsigned char>(der[at]) != tag) {
    return false;
  }
  const size_t length = static_cast<unsigned char>(der[at + 1]);
  if (length >= 0x80 || at + 2 + length > der.size()) {
    return false;
  }
  content = der.substr(at + 2, length);
  at += 2 + length;
  return true;
}

// A positive DER INTEGER below 2^256, left-padded to 32 bytes.
bool Coordinate(const std::string& integer, std::string& out) {
  if (integer.empty() || (static_cast<unsigned char>(integer[0]) & 0x80) != 0) {
    return false;  // empty or negative
  }
  std::string digits = integer;
  if (digits.size() > 1 && digits[0] == '\0') {
    if ((static_cast<unsigned char>(digits[1]) & 0x80) == 0) {
      return false;  // not the minimal encoding
    }
    digits.erase(0, 1);
  }
  if (digits.size() > kCoordinateSize) {
    return false;
  }
  out += std::string(kCoordinateSize - digits.size(), '\0') + digits;
  return true;
}

std::mutex& TestingKeyLock() {
  static std::mutex lock;
  return lock;
}

std::optional<std::string>& TestingKey() {
  static std::optional<std::string> key;
  return key;
}

}  // namespace

std::string DecodeManifestPublicKey(const std::string& text) {
  std::string bytes;
  if (!DecodeBase64Strictly(Trimmed(text), bytes)) {
    return {};
  }
  const std::string prefix(std::begin(kP256KeyInfoPrefix), std::end(kP256KeyInfoPrefix));
  if (bytes.size() == prefix.size() + platform::kP256PublicKeySize &&
      bytes.compare(0, prefix.size(), prefix) == 0) {
    bytes.erase(0, prefix.size());
  }
  if (bytes.size() != platform::kP256PublicKeySize || bytes[0] != '\x04') {
    return {};
  }
  return bytes;
}

std::string EcdsaSignatureFromDer(const std::string& der) {
  size_t at = 0;
  std::string sequence;
  if (!ReadElement(der, at, 0x30, sequence) || at != der.size()) {
    return {};
  }
  size_t inner = 0;
  std::string r, s, signature;
  if (!ReadElement(sequence, inner, 0x02, r) || !ReadElement(sequence, inner, 0x02, s) ||
      inner != sequence.size() || !Coordinate(r, signature) || !Coordinate(s, signature)) {
    return {};
  }
  return signature;
}

bool IsManifestSignatureAccepted(const std::string& plain, const std::string& signatureHeader,
                                 const std::string& publicKeyText) {
  if (Trimmed(publicKeyText).empty()) {
    return true;
  }
  const std::string key = DecodeManifestPublicKey(publicKeyText);
  std::string der;
  if (key.empty() || !DecodeBase64Strictly(Trimmed(signatureHeader), der)) {
    return false;
  }
  const std::string signature = EcdsaSignatureFromDer(der);
  return !signature.empty() && platform::VerifyEcdsaP256Sha256(key, plain, signature);
}

std::string ManifestPublicKey() {
  std::lock_guard<std::mutex> hold(TestingKeyLock());
  return TestingKey() ? *TestingKey() : std::string(BuildManifestPublicKey());
}

void SetManifestPublicKeyForTesting(const std::string& text, bool unset) {
  std::lock_guard<std::mutex> hold(TestingKeyLock());
  if (unset) {
    TestingKey().reset();
  } else {
    TestingKey() = text;
  }
}
