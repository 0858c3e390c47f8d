#include "reporting/aes.h"

#include <cstring>

#include "platform/crypto.h"

static_assert(AES::kBlockSize == platform::kAes128KeySize, "AES-128 keys are one block long");

AES::AES(const unsigned char* key) {
  std::memcpy(key_, key, sizeof key_);
}

AES::~AES() {
  std::memset(key_, 0, sizeof key_);
}

unsigned char* AES::EncryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const {
  if (length <= 0) {
    return buffer;
  }
  return platform::AesEcbEncrypt(key_, buffer, static_cast<size_t>(length)) ? buffer : nullptr;
}

unsigned char* AES::DecryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const {
  if (length <= 0) {
    return buffer;
  }
  return platform::AesEcbDecrypt(key_, buffer, static_cast<size_t>(length)) ? buffer : nullptr;
}
