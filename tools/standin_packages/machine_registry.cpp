#include "tools/standin_packages/machine_registry.h"

MachineKey MachineKey::Open(const std::wstring& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
    key = nullptr;
  }
  return MachineKey(key);
}

MachineKey MachineKey::Create(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    key = nullptr;
  }
  return MachineKey(key);
}

MachineKey::~MachineKey() {
  if (key_ != nullptr) {
    RegCloseKey(key_);
  }
}

MachineKey::MachineKey(MachineKey&& other) noexcept : key_(other.key_) {
  other.key_ = nullptr;
}

bool WriteMachineTexts(const std::wstring& keyPath, const std::vector<RegistryText>& values) {
  const MachineKey key = MachineKey::Create(keyPath);
  if (key.Get() == nullptr) {
    return false;
  }
  for (const RegistryText& text : values) {
    // The stored size counts the terminating zero, as registry readers expect.
    const DWORD bytes = static_cast<DWORD>((text.value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key.Get(), text.name, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.value.c_str()), bytes) != ERROR_SUCCESS) {
      return false;
    }
  }
  return true;
}

bool WriteMachineDword(const std::wstring& keyPath, const wchar_t* name, uint32_t value) {
  const MachineKey key = MachineKey::Create(keyPath);
  const DWORD data = value;
  return key.Get() != nullptr &&
         RegSetValueExW(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof(data)) == ERROR_SUCCESS;
}
