#include <windows.h>

#include <vector>

#include "platform/common/system_registry.h"

namespace platform {
namespace {

class WindowsRegistry : public RegistryBackend {
 public:
  KeyId Open(const std::wstring& path, RegistryView view) override {
    REGSAM access = KEY_READ;
    if (view == RegistryView::k64Bit) {
      access |= KEY_WOW64_64KEY;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
      return 0;
    }
    return reinterpret_cast<KeyId>(key);
  }

  void Close(KeyId key) override { RegCloseKey(reinterpret_cast<HKEY>(key)); }

  bool ReadString(KeyId key, const std::wstring& name, size_t bufferBytes,
                  std::wstring& text) override {
    std::vector<wchar_t> buffer(bufferBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(bufferBytes);
    if (RegQueryValueExW(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
      return false;
    }
    text.assign(buffer.data());
    return true;
  }

  bool ReadDword(KeyId key, const std::wstring& name, uint32_t& value) override {
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExW(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS) {
      return false;
    }
    value = data;
    return true;
  }

  bool EnumSubkey(KeyId key, uint32_t index, std::wstring& name) override {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    if (RegEnumKeyExW(reinterpret_cast<HKEY>(key), index, buffer, &length, nullptr, nullptr,
                      nullptr, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    name.assign(buffer, length);
    return true;
  }

  bool CountSubkeys(KeyId key, uint32_t& count) override {
    DWORD subkeys = 0;
    if (RegQueryInfoKeyW(reinterpret_cast<HKEY>(key), nullptr, nullptr, nullptr, &subkeys, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    count = subkeys;
    return true;
  }
};

}  // namespace

RegistryBackend& SystemRegistry() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* registry = new WindowsRegistry;
  return *registry;
}

}  // namespace platform
