#include <windows.h>

#include "platform/common/system_disk_space.h"

namespace platform {

bool SystemDiskFreeBytes(const std::wstring& root, uint64_t& freeBytes) {
  ULARGE_INTEGER available{};
  ULARGE_INTEGER total{};
  ULARGE_INTEGER free{};
  if (!GetDiskFreeSpaceExW(root.c_str(), &available, &total, &free)) {
    return false;
  }
  freeBytes = free.QuadPart;
  return true;
}

}  // namespace platform
