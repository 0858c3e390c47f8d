#include "platform/common/system_disk_space.h"

namespace platform {

// Drive letters name nothing here.
bool SystemDiskFreeBytes(const std::wstring&, uint64_t&) {
  return false;
}

}  // namespace platform
