#include <windows.h>

#include <vector>

#include "platform/file_version.h"
#include "platform/files.h"

namespace platform {

bool ReadFileVersion(const std::wstring& path, FileVersion& version) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) {
    return false;
  }
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
    return false;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
      fixed == nullptr || length == 0) {
    return false;
  }
  version.parts[0] = HIWORD(fixed->dwFileVersionMS);
  version.parts[1] = LOWORD(fixed->dwFileVersionMS);
  version.parts[2] = HIWORD(fixed->dwFileVersionLS);
  version.parts[3] = LOWORD(fixed->dwFileVersionLS);
  return true;
}

bool ReadOwnFileVersion(FileVersion& version) {
  const std::wstring path = ModuleFilePath();
  return !path.empty() && ReadFileVersion(path, version);
}

}  // namespace platform
