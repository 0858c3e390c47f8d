// Signs manifests as a release server would: ECDSA P-256 over SHA-256 of the plain manifest,
// DER-encoded and carried as Base64 text.
#pragma once

#include <memory>
#include <string>

class ManifestSigner {
 public:
  // Loads a PEM private key (as `openssl ecparam -genkey` writes it). Null when the file
  // cannot be read or holds no usable key.
  static std::unique_ptr<ManifestSigner> FromPemFile(const std::string& path);
  ~ManifestSigner();
  ManifestSigner(const ManifestSigner&) = delete;
  ManifestSigner& operator=(const ManifestSigner&) = delete;

  // The Base64 text of the DER signature of `plain`; empty when signing failed.
  std::string Sign(const std::string& plain) const;

 private:
  struct Key;
  explicit ManifestSigner(std::unique_ptr<Key> key);
  std::unique_ptr<Key> key_;
};
