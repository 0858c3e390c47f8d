// The deciphered manifest: JSON of any shape turned into the package list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controller/package_manifest.h"
#include "fuzz/package_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<DownInfo> list;
  ParseManifest(text, fuzz::FuzzManifestContext(), list);
  fuzz::CheckPackages(list);
  return 0;
}
