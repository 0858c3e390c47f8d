// A registry backend for tests: keys by full path, each with string and DWORD values.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

class FakeRegistry : public platform::RegistryBackend {
 public:
  struct Key {
    std::map<std::wstring, std::wstring> strings;
    std::map<std::wstring, uint32_t> dwords;
  };

  FakeRegistry() { platform::SetRegistryForTesting(this); }
  ~FakeRegistry() override { platform::SetRegistryForTesting(nullptr); }

  Key& AddKey(const std::wstring& path) { return keys_[path]; }
  void FailSubkeyCount() { countFails_ = true; }

  KeyId Open(const std::wstring& path, platform::RegistryView) override {
    if (keys_.count(path) == 0) {
      return 0;
    }
    opened_.push_back(path);
    return opened_.size();
  }
  void Close(KeyId) override {}
  bool ReadString(KeyId key, const std::wstring& name, size_t, std::wstring& text) override {
    const auto& strings = keys_[opened_[key - 1]].strings;
    const auto found = strings.find(name);
    return found != strings.end() && (text = found->second, true);
  }
  bool ReadDword(KeyId key, const std::wstring& name, uint32_t& value) override {
    const auto& dwords = keys_[opened_[key - 1]].dwords;
    const auto found = dwords.find(name);
    return found != dwords.end() && (value = found->second, true);
  }
  bool EnumSubkey(KeyId, uint32_t, std::wstring&) override { return false; }
  bool CountSubkeys(KeyId key, uint32_t& count) override {
    if (countFails_) {
      return false;
    }
    const std::wstring prefix = opened_[key - 1] + L"\\";
    count = 0;
    for (const auto& entry : keys_) {
      count += entry.first.rfind(prefix, 0) == 0 ? 1 : 0;
    }
    return true;
  }

 private:
  std::map<std::wstring, Key> keys_;
  std::vector<std::wstring> opened_;
  bool countFails_ = false;
};
