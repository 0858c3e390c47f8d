#include "reporting/adapter_characteristics.h"

#include <cwchar>
#include <cwctype>

#include "platform/registry.h"
#include "platform/text_encoding.h"

namespace {

const std::wstring kAdapterClass =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
constexpr uint32_t kSubkeysWhenUncounted = 100;
constexpr size_t kInstanceIdBytes = 520;  // 260 characters

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::wstring SubkeyName(uint32_t index) {
  wchar_t name[16] = {};
  std::swprintf(name, 16, L"%04u", index);
  return name;
}

// The subkey's characteristics when it describes `name`.
bool ReadMatchingCharacteristics(uint32_t index, const std::wstring& name, int32_t& value) {
  const platform::RegistryKey subkey(kAdapterClass + L"\\" + SubkeyName(index));
  std::wstring instanceId;
  uint32_t characteristics = 0;
  if (!subkey.ReadString(L"NetCfgInstanceId", kInstanceIdBytes, instanceId) ||
      !EqualIgnoringCase(instanceId, name) ||
      !subkey.ReadDword(L"Characteristics", characteristics)) {
    return false;
  }
  value = static_cast<int32_t>(characteristics);
  return true;
}

}  // namespace

int32_t GetAdapterCharacteristics(const std::string& adapterName) {
  const platform::RegistryKey adapterClass(kAdapterClass);
  if (!adapterClass.IsOpen()) {
    return -1;
  }
  uint32_t subkeys = 0;
  if (!adapterClass.CountSubkeys(subkeys)) {
    subkeys = kSubkeysWhenUncounted;
  }
  const std::wstring name = platform::NarrowToWide(adapterName);
  int32_t value = -1;
  for (uint32_t index = 0; index < subkeys; ++index) {
    if (ReadMatchingCharacteristics(index, name, value)) {
      return value;
    }
  }
  return -1;
}
