// Writing the values that real setup programs leave under HKEY_LOCAL_MACHINE.
//
// Keys are written in the program's own registry view: a 32-bit stand-in on 64-bit Windows
// writes the 32-bit view, which is where the 32-bit setup program looks, and the x86_64
// build used under Wine writes the view that the x86_64 setup reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The list of installed programs; each program's entry is a subkey.
inline constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A key of HKEY_LOCAL_MACHINE, closed by the destructor. Get() is null when the key could
// not be opened or created.
class MachineKey {
 public:
  // Opens an existing key for reading; `view` is 0, KEY_WOW64_32KEY or KEY_WOW64_64KEY.
  static MachineKey Open(const std::wstring& path, REGSAM view = 0);
  // Opens the key for setting values, creating it (and its parents) when missing.
  static MachineKey Create(const std::wstring& path);

  ~MachineKey();
  MachineKey(MachineKey&& other) noexcept;
  MachineKey& operator=(MachineKey&&) = delete;
  MachineKey(const MachineKey&) = delete;
  MachineKey& operator=(const MachineKey&) = delete;

  HKEY Get() const { return key_; }

 private:
  explicit MachineKey(HKEY key) : key_(key) {}
  HKEY key_ = nullptr;
};

struct RegistryText {
  const wchar_t* name;
  std::wstring value;
};

// Creates HKLM\`keyPath` when missing and sets the string values (REG_SZ) in order. False
// when the key cannot be created or a value cannot be set; values set before the failure
// stay.
bool WriteMachineTexts(const std::wstring& keyPath, const std::vector<RegistryText>& values);

// Creates HKLM\`keyPath` when missing and sets one REG_DWORD value.
bool WriteMachineDword(const std::wstring& keyPath, const wchar_t* name, uint32_t value);
