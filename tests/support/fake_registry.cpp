#include "tests/support/fake_registry.h"

#include <cwctype>

namespace {

std::wstring Lower(std::wstring text) {
  for (auto& c : text) {
    c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  }
  return text;
}

std::wstring StorageKey(platform::RegistryView view, const std::wstring& path) {
  return (view == platform::RegistryView::k64Bit ? L"64:" : L"32:") + Lower(path);
}

}  // namespace

FakeRegistry::FakeRegistry() {
  platform::SetRegistryForTesting(this);
}

FakeRegistry::~FakeRegistry() {
  platform::SetRegistryForTesting(nullptr);
}

FakeRegistry::Key& FakeRegistry::Ensure(platform::RegistryView view, const std::wstring& keyPath) {
  const size_t cut = keyPath.rfind(L'\\');
  if (cut != std::wstring::npos) {
    Key& parent = Ensure(view, keyPath.substr(0, cut));
    const std::wstring child = keyPath.substr(cut + 1);
    if (keys_.find(StorageKey(view, keyPath)) == keys_.end()) {
      parent.subkeys.push_back(child);
    }
  }
  return keys_[StorageKey(view, keyPath)];
}

void FakeRegistry::SetString(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& text, platform::RegistryView view) {
  Ensure(view, keyPath).strings[Lower(name)] = text;
}

void FakeRegistry::SetDword(const std::wstring& keyPath, const std::wstring& name, uint32_t value,
                            platform::RegistryView view) {
  Ensure(view, keyPath).dwords[Lower(name)] = value;
}

void FakeRegistry::CreateKey(const std::wstring& keyPath, platform::RegistryView view) {
  Ensure(view, keyPath);
}

FakeRegistry::KeyId FakeRegistry::Open(const std::wstring& path, platform::RegistryView view) {
  const std::wstring storage = StorageKey(view, path);
  if (keys_.find(storage) == keys_.end()) {
    return 0;
  }
  const KeyId id = nextId_++;
  open_[id] = storage;
  return id;
}

void FakeRegistry::Close(KeyId key) {
  open_.erase(key);
}

const FakeRegistry::Key* FakeRegistry::Find(KeyId key) const {
  const auto open = open_.find(key);
  if (open == open_.end()) {
    return nullptr;
  }
  const auto found = keys_.find(open->second);
  return found != keys_.end() ? &found->second : nullptr;
}

bool FakeRegistry::ReadString(KeyId key, const std::wstring& name, size_t bufferBytes,
                              std::wstring& text) {
  const Key* found = Find(key);
  if (found == nullptr) {
    return false;
  }
  const auto value = found->strings.find(Lower(name));
  // Sized as Windows stores it: UTF-16 characters and a terminating zero.
  if (value == found->strings.end() || (value->second.size() + 1) * 2 > bufferBytes) {
    return false;
  }
  text = value->second.substr(0, value->second.find(L'\0'));
  return true;
}

bool FakeRegistry::ReadDword(KeyId key, const std::wstring& name, uint32_t& value) {
  const Key* found = Find(key);
  if (found == nullptr) {
    return false;
  }
  const auto stored = found->dwords.find(Lower(name));
  if (stored == found->dwords.end()) {
    return false;
  }
  value = stored->second;
  return true;
}

bool FakeRegistry::EnumSubkey(KeyId key, uint32_t index, std::wstring& name) {
  const Key* found = Find(key);
  if (found == nullptr || index >= found->subkeys.size()) {
    return false;
  }
  name = found->subkeys[index];
  return true;
}

bool FakeRegistry::CountSubkeys(KeyId key, uint32_t& count) {
  const Key* found = Find(key);
  if (found == nullptr) {
    return false;
  }
  count = static_cast<uint32_t>(found->subkeys.size());
  return true;
}
