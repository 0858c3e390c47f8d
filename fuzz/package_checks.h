// The promises the manifest makes about the packages it lists, checked on a parsed list.
#pragma once

#include <string>
#include <vector>

#include "controller/package_manifest.h"

namespace fuzz {

// The temporary folder the fuzz targets parse manifests against.
const ManifestContext& FuzzManifestContext();

// Every entry has an address and a local path in the temporary folder whose file name is a
// usable Windows name (not empty, no separator, colon or control character, only whole
// characters of code page 936, no trailing dot or blank, no device name), and no two entries name
// one file as Windows compares names. Aborts otherwise.
void CheckPackages(const std::vector<DownInfo>& list);

// The promises of one file name: usable as above; `maxBytes` when non-zero bounds its length.
void CheckFileName(const std::string& name, size_t maxBytes);

}  // namespace fuzz
