// AES-128 (FIPS-197) in electronic-codebook mode: every 16-byte block is enciphered on its
// own, with no initialisation vector and no chaining, as the maker's server expects.
#pragma once

#include <cstddef>

class AES {
 public:
  static constexpr int kBlockSize = 16;
  static constexpr int kRounds = 10;

  // `key` points at 16 bytes. Fills both substitution tables and expands the key.
  explicit AES(const unsigned char* key);
  virtual ~AES();

  // Enciphers the whole 16-byte blocks of `buffer` in place and returns `buffer`. Bytes of a
  // trailing partial block are left as they are, so nothing beyond `length` is touched.
  unsigned char* EncryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const;

  // The inverse of EncryptBlocks, with the same block walk. A length of 0 or less does
  // nothing.
  unsigned char* DecryptBlocks(unsigned char* buffer, std::ptrdiff_t length) const;

 private:
  void EncryptBlock(unsigned char* block) const;
  void DecryptBlock(unsigned char* block) const;
  void ExpandKey(const unsigned char* key);
  void AddRoundKey(unsigned char* state, int round) const;
  void SubBytes(unsigned char* state) const;
  void InvSubBytes(unsigned char* state) const;

  unsigned char sbox_[256];
  unsigned char inverseSbox_[256];
  unsigned char roundKeys_[(kRounds + 1) * kBlockSize];
};
