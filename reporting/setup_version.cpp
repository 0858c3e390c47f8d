#include "reporting/setup_version.h"

#include <cwchar>

namespace {

std::wstring& InstallerVersionStorage() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* version = new std::wstring;
  return *version;
}

}  // namespace

std::wstring FormatVersion(const platform::FileVersion& version) {
  wchar_t text[25] = {};
  std::swprintf(text, 25, L"%d.%d.%d.%d", version.parts[0], version.parts[1], version.parts[2],
                version.parts[3]);
  return text;
}

std::wstring ReadOwnVersion() {
  platform::FileVersion version;
  return platform::ReadOwnFileVersion(version) ? FormatVersion(version) : std::wstring();
}

const std::wstring& InstallerVersion() {
  return InstallerVersionStorage();
}

void SetInstallerVersion(const std::wstring& version) {
  InstallerVersionStorage() = version;
}
