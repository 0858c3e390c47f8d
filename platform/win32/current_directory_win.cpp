#include <windows.h>

#include "platform/current_directory.h"

namespace platform {

bool ChangeCurrentDirectory(const std::wstring& path) {
  return SetCurrentDirectoryW(path.c_str()) != FALSE;
}

std::wstring CurrentDirectory() {
  const DWORD needed = GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) {
    return {};
  }
  std::wstring path(needed, L'\0');
  const DWORD length = GetCurrentDirectoryW(needed, path.data());
  if (length == 0 || length >= needed) {
    return {};
  }
  path.resize(length);
  return path;
}

}  // namespace platform
