// The manifest reply as it comes from the network: Base64 text, AES-128 blocks, padding and
// JSON, turned into the package list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controller/package_manifest.h"
#include "fuzz/package_checks.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  std::vector<DownInfo> list;
  ParseManifest(DecryptPayload(reply, PayloadKey), fuzz::FuzzManifestContext(), list);
  fuzz::CheckPackages(list);
  return 0;
}
