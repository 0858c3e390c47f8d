#include <windows.h>

#include <lm.h>

#include "platform/common/system_workstation_version.h"

namespace platform {

bool SystemWorkstationVersion(uint32_t& major, uint32_t& minor) {
  LPBYTE buffer = nullptr;
  if (NetWkstaGetInfo(nullptr, 100, &buffer) != NERR_Success || buffer == nullptr) {
    if (buffer != nullptr) {
      NetApiBufferFree(buffer);
    }
    return false;
  }
  const auto* info = reinterpret_cast<const WKSTA_INFO_100*>(buffer);
  major = info->wki100_ver_major;
  minor = info->wki100_ver_minor;
  NetApiBufferFree(buffer);
  return true;
}

}  // namespace platform
