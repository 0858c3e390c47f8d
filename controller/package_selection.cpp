#include "controller/package_selection.h"

#include "controller/prerequisites.h"

namespace {

constexpr wchar_t kBclDisplayName[] = L"BCL easyConverter SDK 5 Word";
constexpr wchar_t kVcRedist2015DisplayName[] = L"Microsoft Visual C++ 2015 x86 Minimum Runtime";

struct NamedKind {
  const char* name;
  PackageKind kind;
};

constexpr NamedKind kNames[] = {
    {"bclx64", PKG_BCL_X64},
    {"bclx86", PKG_BCL_X86},
    {"vcredist2005x86", PKG_VCREDIST2005_X86},
    {"vcredist2015x86", PKG_VCREDIST2015_X86},
    {"dotNet4.0", PKG_DOTNET4},
    {"installer", PKG_INSTALLER},
};

}  // namespace

PackageKind KindFromManifestName(const std::string& name) {
  for (const auto& entry : kNames) {
    if (name == entry.name) {
      return entry.kind;
    }
  }
  return PKG_OTHER;
}

bool IsPackageNeeded(PackageKind kind) {
  switch (kind) {
    case PKG_BCL_X64:
      return IsNativeX64() && !IsUninstallEntryPresent(kBclDisplayName, true);
    case PKG_BCL_X86:
      return !IsNativeX64() && !IsUninstallEntryPresent(kBclDisplayName, false);
    case PKG_VCREDIST2015_X86:
      return !IsUninstallEntryPresent(kVcRedist2015DisplayName, false);
    case PKG_DOTNET4:
      return !IsNet4Installed(Net4Profile::Full);
    case PKG_VCREDIST2005_X86:
    case PKG_INSTALLER:
    case PKG_OTHER:
      return true;
  }
  return true;
}
