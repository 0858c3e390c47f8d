#include <windows.h>

#include "platform/common/system_resources.h"

namespace platform {

ResourceBytes FindSystemResource(const std::wstring& type, int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type.c_str());
  if (found == nullptr) {
    return {};
  }
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) {
    return {};
  }
  return {data, SizeofResource(module, found)};
}

}  // namespace platform
