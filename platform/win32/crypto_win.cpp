#include <windows.h>
// bcrypt.h needs the types of windows.h first.
#include <bcrypt.h>

#include <cstring>
#include <vector>

#include "platform/crypto.h"

namespace platform {

// Named rather than anonymous: Sha256::State, a class of the header, holds a Provider.
namespace cng {

bool Succeeded(NTSTATUS status) {
  return status >= 0;
}

// An algorithm provider opened for one operation and closed with it; opening one is cheap
// next to the network and file work around every call.
class Provider {
 public:
  explicit Provider(const wchar_t* algorithm) {
    if (!Succeeded(BCryptOpenAlgorithmProvider(&handle_, algorithm, nullptr, 0))) {
      handle_ = nullptr;
    }
  }
  ~Provider() {
    if (handle_ != nullptr) {
      BCryptCloseAlgorithmProvider(handle_, 0);
    }
  }
  Provider(const Provider&) = delete;
  Provider& operator=(const Provider&) = delete;

  BCRYPT_ALG_HANDLE get() const { return handle_; }

 private:
  BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class Key {
 public:
  Key() = default;
  ~Key() {
    if (handle_ != nullptr) {
      BCryptDestroyKey(handle_);
    }
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  BCRYPT_KEY_HANDLE* out() { return &handle_; }
  BCRYPT_KEY_HANDLE get() const { return handle_; }

 private:
  BCRYPT_KEY_HANDLE handle_ = nullptr;
};

bool AesEcb(const unsigned char* key, unsigned char* data, size_t length, bool encrypt) {
  const ULONG whole = static_cast<ULONG>(length - length % kAesBlockSize);
  if (whole == 0) {
    return true;
  }
  Provider aes(BCRYPT_AES_ALGORITHM);
  Key aesKey;
  ULONG done = 0;
  const auto mode = reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_ECB));
  if (aes.get() == nullptr ||
      !Succeeded(BCryptSetProperty(aes.get(), BCRYPT_CHAINING_MODE, mode,
                                   sizeof(BCRYPT_CHAIN_MODE_ECB), 0)) ||
      !Succeeded(BCryptGenerateSymmetricKey(aes.get(), aesKey.out(), nullptr, 0,
                                            const_cast<PUCHAR>(key), kAes128KeySize, 0))) {
    return false;
  }
  const NTSTATUS status =
      encrypt
          ? BCryptEncrypt(aesKey.get(), data, whole, nullptr, nullptr, 0, data, whole, &done, 0)
          : BCryptDecrypt(aesKey.get(), data, whole, nullptr, nullptr, 0, data, whole, &done, 0);
  return Succeeded(status) && done == whole;
}

}  // namespace cng

using cng::AesEcb;
using cng::Key;
using cng::Provider;
using cng::Succeeded;

bool AesEcbEncrypt(const unsigned char* key, unsigned char* data, size_t length) {
  return AesEcb(key, data, length, true);
}

bool AesEcbDecrypt(const unsigned char* key, unsigned char* data, size_t length) {
  return AesEcb(key, data, length, false);
}

struct Sha256::State {
  Provider provider{BCRYPT_SHA256_ALGORITHM};
  BCRYPT_HASH_HANDLE hash = nullptr;
  bool ok = provider.get() != nullptr &&
            Succeeded(BCryptCreateHash(provider.get(), &hash, nullptr, 0, nullptr, 0, 0));

  ~State() {
    if (hash != nullptr) {
      BCryptDestroyHash(hash);
    }
  }
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() = default;

bool Sha256::Update(const void* data, size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  while (state_->ok && size > 0) {
    const ULONG piece = size > 0x40000000 ? 0x40000000 : static_cast<ULONG>(size);
    state_->ok = Succeeded(BCryptHashData(state_->hash, const_cast<PUCHAR>(bytes), piece, 0));
    bytes += piece;
    size -= piece;
  }
  return state_->ok;
}

bool Sha256::Finish(Sha256Digest& digest) {
  state_->ok =
      state_->ok && Succeeded(BCryptFinishHash(state_->hash, digest.data(), kSha256Size, 0));
  return state_->ok;
}

bool VerifyEcdsaP256Sha256(const std::string& publicKey, const std::string& message,
                           const std::string& signature) {
  if (publicKey.size() != kP256PublicKeySize || publicKey[0] != 0x04 ||
      signature.size() != kP256SignatureSize) {
    return false;
  }
  // CNG's public key blob: a header, then X and Y without the leading 0x04.
  const ULONG coordinates = static_cast<ULONG>(kP256PublicKeySize - 1);
  std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB) + coordinates);
  BCRYPT_ECCKEY_BLOB header{BCRYPT_ECDSA_PUBLIC_P256_MAGIC, coordinates / 2};
  std::memcpy(blob.data(), &header, sizeof header);
  std::memcpy(blob.data() + sizeof header, publicKey.data() + 1, coordinates);

  Sha256Digest digest;
  Provider ecdsa(BCRYPT_ECDSA_P256_ALGORITHM);
  Key key;
  return Sha256Of(message, digest) && ecdsa.get() != nullptr &&
         Succeeded(BCryptImportKeyPair(ecdsa.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, key.out(),
                                       blob.data(), static_cast<ULONG>(blob.size()), 0)) &&
         Succeeded(
             BCryptVerifySignature(key.get(), nullptr, digest.data(), kSha256Size,
                                   reinterpret_cast<PUCHAR>(const_cast<char*>(signature.data())),
                                   static_cast<ULONG>(signature.size()), 0));
}

bool RandomBytes(void* buffer, size_t size) {
  return Succeeded(BCryptGenRandom(nullptr, static_cast<PUCHAR>(buffer), static_cast<ULONG>(size),
                                   BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

}  // namespace platform
