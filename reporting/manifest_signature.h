// The optional signature of the package manifest. A build configured with a public key
// accepts a manifest only when its reply carries, in the header kManifestSignatureHeader,
// the Base64 text of an ECDSA P-256 / SHA-256 signature in DER form (as `openssl dgst
// -sha256 -sign` writes it) over the deciphered manifest bytes. A build without a key
// ignores the header.
#pragma once

#include <string>

inline constexpr char kManifestSignatureHeader[] = "X-Quillo-Signature";

// The 65-byte uncompressed P-256 point of a key text: the Base64 of the point itself, or of
// the DER SubjectPublicKeyInfo that `openssl ec -pubout -outform DER` writes (white space
// around it is ignored). Empty when the text is neither.
std::string DecodeManifestPublicKey(const std::string& text);

// The fixed-size r||s (64 bytes) of a DER ECDSA-Sig-Value; empty when `der` is not exactly
// one such value with two positive integers below 2^256.
std::string EcdsaSignatureFromDer(const std::string& der);

// True when the manifest may be used: `publicKeyText` is empty (no signature is required),
// or `signatureHeader` holds a valid signature of `plain` by that key. A key text that does
// not decode rejects every manifest, never accepts one unchecked.
bool IsManifestSignatureAccepted(const std::string& plain, const std::string& signatureHeader,
                                 const std::string& publicKeyText);

// The public key text this build was configured with (QUILLO_MANIFEST_PUBLIC_KEY), or the
// one set for testing.
std::string ManifestPublicKey();

// Makes ManifestPublicKey() return `text`; `unset` restores the build's key.
void SetManifestPublicKeyForTesting(const std::string& text, bool unset = false);
