// The manifest's package names and whether this machine needs each package.
#pragma once

#include <string>

#include "threads/task_records.h"

// The kind named by a manifest entry's "name" (exact, case-sensitive); PKG_OTHER for any
// name outside the table.
PackageKind KindFromManifestName(const std::string& name);

// Whether a package of `kind` is to be installed on this machine: the prerequisites only
// when their tests find them absent (and the BCL SDK only in the build that fits the
// operating system); the product's setup and unknown packages always.
bool IsPackageNeeded(PackageKind kind);
