#include <openssl/bn.h>
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/x509.h>

#include <vector>

#include "platform/crypto.h"

namespace platform {

// Named rather than anonymous: Sha256::State, a class of the header, holds a context whose
// deleter is here.
namespace openssl {

// The SubjectPublicKeyInfo header of an uncompressed P-256 key: the key's DER form is these
// bytes followed by the 65-byte point.
constexpr unsigned char kP256KeyInfoPrefix[] = {
    0x30, 0x59, 0x30, 0x13, 0x06, 0x07, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x02, 0x01,
    0x06, 0x08, 0x2a, 0x86, 0x48, 0xce, 0x3d, 0x03, 0x01, 0x07, 0x03, 0x42, 0x00};

struct CipherContextFree {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
struct DigestContextFree {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
struct KeyFree {
  void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct SignatureFree {
  void operator()(ECDSA_SIG* signature) const { ECDSA_SIG_free(signature); }
};

bool AesEcb(const unsigned char* key, unsigned char* data, size_t length, bool encrypt) {
  const size_t whole = length - length % kAesBlockSize;
  if (whole == 0) {
    return true;
  }
  const std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> context(EVP_CIPHER_CTX_new());
  int written = 0;
  int finalWritten = 0;
  return context != nullptr &&
         EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, key, nullptr,
                           encrypt ? 1 : 0) == 1 &&
         EVP_CIPHER_CTX_set_padding(context.get(), 0) == 1 &&
         EVP_CipherUpdate(context.get(), data, &written, data, static_cast<int>(whole)) == 1 &&
         EVP_CipherFinal_ex(context.get(), data + written, &finalWritten) == 1 &&
         static_cast<size_t>(written + finalWritten) == whole;
}

// The DER form OpenSSL verifies, from the fixed-size r||s.
std::vector<unsigned char> DerSignature(const std::string& signature) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(signature.data());
  const std::unique_ptr<ECDSA_SIG, SignatureFree> value(ECDSA_SIG_new());
  BIGNUM* r = BN_bin2bn(bytes, kP256SignatureSize / 2, nullptr);
  BIGNUM* s = BN_bin2bn(bytes + kP256SignatureSize / 2, kP256SignatureSize / 2, nullptr);
  if (value == nullptr || r == nullptr || s == nullptr || ECDSA_SIG_set0(value.get(), r, s) != 1) {
    BN_free(r);
    BN_free(s);
    return {};
  }
  const int size = i2d_ECDSA_SIG(value.get(), nullptr);
  if (size <= 0) {
    return {};
  }
  std::vector<unsigned char> der(static_cast<size_t>(size));
  unsigned char* out = der.data();
  return i2d_ECDSA_SIG(value.get(), &out) == size ? der : std::vector<unsigned char>();
}

}  // namespace openssl

using openssl::AesEcb;
using openssl::DerSignature;
using openssl::DigestContextFree;
using openssl::KeyFree;
using openssl::kP256KeyInfoPrefix;

bool AesEcbEncrypt(const unsigned char* key, unsigned char* data, size_t length) {
  return AesEcb(key, data, length, true);
}

bool AesEcbDecrypt(const unsigned char* key, unsigned char* data, size_t length) {
  return AesEcb(key, data, length, false);
}

struct Sha256::State {
  std::unique_ptr<EVP_MD_CTX, DigestContextFree> context{EVP_MD_CTX_new()};
  bool ok = context != nullptr && EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) == 1;
};

Sha256::Sha256() : state_(std::make_unique<State>()) {}

Sha256::~Sha256() = default;

bool Sha256::Update(const void* data, size_t size) {
  state_->ok = state_->ok && EVP_DigestUpdate(state_->context.get(), data, size) == 1;
  return state_->ok;
}

bool Sha256::Finish(Sha256Digest& digest) {
  unsigned int size = 0;
  state_->ok = state_->ok && EVP_DigestFinal_ex(state_->context.get(), digest.data(), &size) == 1 &&
               size == kSha256Size;
  return state_->ok;
}

bool VerifyEcdsaP256Sha256(const std::string& publicKey, const std::string& message,
                           const std::string& signature) {
  if (publicKey.size() != kP256PublicKeySize || signature.size() != kP256SignatureSize) {
    return false;
  }
  std::vector<unsigned char> keyInfo(std::begin(kP256KeyInfoPrefix), std::end(kP256KeyInfoPrefix));
  keyInfo.insert(keyInfo.end(), publicKey.begin(), publicKey.end());
  const unsigned char* cursor = keyInfo.data();
  const std::unique_ptr<EVP_PKEY, KeyFree> key(
      d2i_PUBKEY(nullptr, &cursor, static_cast<long>(keyInfo.size())));
  const std::vector<unsigned char> der = DerSignature(signature);
  const std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
  return key != nullptr && !der.empty() && context != nullptr &&
         EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, key.get()) == 1 &&
         EVP_DigestVerify(context.get(), der.data(), der.size(),
                          reinterpret_cast<const unsigned char*>(message.data()),
                          message.size()) == 1;
}

bool RandomBytes(void* buffer, size_t size) {
  return RAND_bytes(static_cast<unsigned char*>(buffer), static_cast<int>(size)) == 1;
}

}  // namespace platform
