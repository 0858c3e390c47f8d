#include "tools/api_standin/manifest_signer.h"

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <cstdio>
#include <vector>

#include "reporting/base64.h"

struct ManifestSigner::Key {
  EVP_PKEY* pkey = nullptr;
  ~Key() { EVP_PKEY_free(pkey); }
};

ManifestSigner::ManifestSigner(std::unique_ptr<Key> key) : key_(std::move(key)) {}

ManifestSigner::~ManifestSigner() = default;

std::unique_ptr<ManifestSigner> ManifestSigner::FromPemFile(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return nullptr;
  }
  auto key = std::make_unique<Key>();
  key->pkey = PEM_read_PrivateKey(file, nullptr, nullptr, nullptr);
  std::fclose(file);
  if (key->pkey == nullptr) {
    return nullptr;
  }
  return std::unique_ptr<ManifestSigner>(new ManifestSigner(std::move(key)));
}

std::string ManifestSigner::Sign(const std::string& plain) const {
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  size_t size = 0;
  std::vector<unsigned char> der;
  const auto* data = reinterpret_cast<const unsigned char*>(plain.data());
  bool ok = context != nullptr &&
            EVP_DigestSignInit(context, nullptr, EVP_sha256(), nullptr, key_->pkey) == 1 &&
            EVP_DigestSign(context, nullptr, &size, data, plain.size()) == 1;
  if (ok) {
    der.resize(size);
    ok = EVP_DigestSign(context, der.data(), &size, data, plain.size()) == 1;
  }
  EVP_MD_CTX_free(context);
  return ok ? Base64Encode(der.data(), size) : std::string();
}
