// An in-memory registry for tests, installed in place of the platform's for its lifetime.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

// Where installed programs register their uninstall entries.
inline const std::wstring kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

class FakeRegistry : public platform::RegistryBackend {
 public:
  FakeRegistry();
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  // Creates the key (and its parents) in `view` and sets a value in it.
  void SetString(const std::wstring& keyPath, const std::wstring& name, const std::wstring& text,
                 platform::RegistryView view = platform::RegistryView::kDefault);
  void SetDword(const std::wstring& keyPath, const std::wstring& name, uint32_t value,
                platform::RegistryView view = platform::RegistryView::kDefault);
  void CreateKey(const std::wstring& keyPath,
                 platform::RegistryView view = platform::RegistryView::kDefault);

  // Keys opened and not closed yet; tests check that nothing leaks.
  int OpenKeyCount() const { return static_cast<int>(open_.size()); }

  KeyId Open(const std::wstring& path, platform::RegistryView view) override;
  void Close(KeyId key) override;
  bool ReadString(KeyId key, const std::wstring& name, size_t bufferBytes,
                  std::wstring& text) override;
  bool ReadDword(KeyId key, const std::wstring& name, uint32_t& value) override;
  bool EnumSubkey(KeyId key, uint32_t index, std::wstring& name) override;
  bool CountSubkeys(KeyId key, uint32_t& count) override;

 private:
  struct Key {
    std::map<std::wstring, std::wstring> strings;  // by lower-case name
    std::map<std::wstring, uint32_t> dwords;
    std::vector<std::wstring> subkeys;  // display names, in creation order
  };

  Key& Ensure(platform::RegistryView view, const std::wstring& keyPath);
  const Key* Find(KeyId key) const;

  std::map<std::wstring, Key> keys_;  // by view prefix and lower-case path
  std::map<KeyId, std::wstring> open_;
  KeyId nextId_ = 1;
};
