// The cryptography the setup needs, from the operating system's own library: CNG (bcrypt)
// on Windows, OpenSSL's libcrypto on POSIX. Every call is safe from several threads at once
// and reports failure by its return value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

inline constexpr size_t kAes128KeySize = 16;
inline constexpr size_t kAesBlockSize = 16;
inline constexpr size_t kSha256Size = 32;
// An uncompressed P-256 point: 0x04, then X and Y, 32 bytes each.
inline constexpr size_t kP256PublicKeySize = 65;
// An ECDSA P-256 signature as the two 32-byte big-endian numbers r and s, one after the
// other.
inline constexpr size_t kP256SignatureSize = 64;

using Sha256Digest = std::array<unsigned char, kSha256Size>;

// AES-128 in electronic-codebook mode, in place, over the whole 16-byte blocks of `length`
// bytes; a trailing partial block is left untouched. False when the library refused, in
// which case the buffer's content is undefined.
bool AesEcbEncrypt(const unsigned char* key, unsigned char* data, size_t length);
bool AesEcbDecrypt(const unsigned char* key, unsigned char* data, size_t length);

// A SHA-256 of data that arrives in pieces, so that a large file is hashed without being
// held in memory. Not copyable; one object per hash.
class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  // False once the library has refused any step; the digest is then meaningless.
  bool Update(const void* data, size_t size);
  bool Finish(Sha256Digest& digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The SHA-256 of `bytes` in one call.
bool Sha256Of(const std::string& bytes, Sha256Digest& digest);

// True only when `signature` (r||s) is a valid ECDSA signature over SHA-256(`message`) by
// the P-256 key `publicKey` (an uncompressed point). A key not on the curve, a wrong size or
// any library failure gives false.
bool VerifyEcdsaP256Sha256(const std::string& publicKey, const std::string& message,
                           const std::string& signature);

// The SHA-256 of a file, read once in pieces of 64 KB. False when the file cannot be opened
// or read to its end.
bool Sha256OfFile(const std::wstring& path, Sha256Digest& digest);

// Fills `buffer` with bytes from the system's cryptographic random source.
bool RandomBytes(void* buffer, size_t size);

}  // namespace platform
