#include <atomic>

#include "platform/common/system_registry.h"
#include "platform/registry.h"

namespace platform {

namespace {
std::atomic<RegistryBackend*> testingBackend{nullptr};
}

RegistryBackend& Registry() {
  RegistryBackend* backend = testingBackend.load();
  return backend != nullptr ? *backend : SystemRegistry();
}

void SetRegistryForTesting(RegistryBackend* backend) {
  testingBackend.store(backend);
}

RegistryKey::RegistryKey(const std::wstring& path, RegistryView view)
    : backend_(Registry()), key_(backend_.Open(path, view)) {}

RegistryKey::~RegistryKey() {
  if (key_ != 0) {
    backend_.Close(key_);
  }
}

bool RegistryKey::ReadString(const std::wstring& name, size_t bufferBytes,
                             std::wstring& text) const {
  return key_ != 0 && backend_.ReadString(key_, name, bufferBytes, text);
}

bool RegistryKey::ReadDword(const std::wstring& name, uint32_t& value) const {
  return key_ != 0 && backend_.ReadDword(key_, name, value);
}

bool RegistryKey::EnumSubkey(uint32_t index, std::wstring& name) const {
  return key_ != 0 && backend_.EnumSubkey(key_, index, name);
}

bool RegistryKey::CountSubkeys(uint32_t& count) const {
  return key_ != 0 && backend_.CountSubkeys(key_, count);
}

}  // namespace platform
