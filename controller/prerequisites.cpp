#include "controller/prerequisites.h"

#include "platform/registry.h"
#include "platform/system_info.h"

namespace {

constexpr size_t kValueBufferBytes = 520;
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

constexpr uint16_t kArchitectureAmd64 = 9;
constexpr uint16_t kArchitectureIa64 = 6;

const wchar_t* Net4Key(Net4Profile profile) {
  return profile == Net4Profile::Full
             ? L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full"
             : L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Client";
}

bool DisplayNameContains(const std::wstring& subkeyPath, platform::RegistryView view,
                         const std::wstring& searched) {
  platform::RegistryKey subkey(subkeyPath, view);
  std::wstring displayName;
  return subkey.IsOpen() && subkey.ReadString(L"DisplayName", kValueBufferBytes, displayName) &&
         displayName.find(searched) != std::wstring::npos;
}

}  // namespace

bool ReadRegistryString(const std::wstring& keyPath, const std::wstring& valueName,
                        std::wstring& text) {
  platform::RegistryKey key(keyPath);
  return key.IsOpen() && key.ReadString(valueName, kValueBufferBytes, text);
}

bool IsNet4Installed(Net4Profile profile) {
  std::wstring version;
  return ReadRegistryString(Net4Key(profile), L"Version", version) && version.size() >= 2 &&
         version.compare(0, 2, L"4.") == 0;
}

bool IsUninstallEntryPresent(const std::wstring& searched, bool use64BitView) {
  const auto view =
      use64BitView ? platform::RegistryView::k64Bit : platform::RegistryView::kDefault;
  platform::RegistryKey uninstall(kUninstallKey, view);
  if (!uninstall.IsOpen()) {
    return false;
  }
  std::wstring subkeyName;
  for (uint32_t index = 0; uninstall.EnumSubkey(index, subkeyName); ++index) {
    if (DisplayNameContains(std::wstring(kUninstallKey) + L"\\" + subkeyName, view, searched)) {
      return true;
    }
  }
  return false;
}

bool IsNativeX64() {
  const uint16_t architecture = platform::NativeProcessorArchitecture();
  return architecture == kArchitectureAmd64 || architecture == kArchitectureIa64;
}
