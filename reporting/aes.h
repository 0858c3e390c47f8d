// AES-128 (FIPS-197) in electronic-codebook mode: every 16-byte block is enciphered on its
// own, with no initialisation vector and no chaining, as the maker's server expects. The
// cipher itself is the operating system's (platform/crypto.h).
#pragma once

#include <cstddef>

class AES {
 public:
  static constexpr int kBlockSize = 16;

  // `key` points at 16 bytes, copied here.
  explicit AES(const unsigned char* key);
  virtual ~AES();

  // Enciphers the whole 16-byte blocks of `buffer` in place and returns `buffer`. Bytes of a
  // trailing partial block are left as they are, so nothing beyond `length` is touched.
  // Returns null when the system's library refused; the buffer is then undefined.
  unsigned char* EncryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const;

  // The inverse of EncryptBlocks, with the same block walk and results. A length of 0 or
  // less does nothing.
  unsigned char* DecryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const;

 private:
  unsigned char key_[kBlockSize];
};
