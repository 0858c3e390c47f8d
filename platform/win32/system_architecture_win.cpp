#include <windows.h>

#include "platform/common/system_architecture.h"

namespace platform {

uint16_t SystemProcessorArchitecture() {
  SYSTEM_INFO info{};
  GetNativeSystemInfo(&info);
  return info.wProcessorArchitecture;
}

}  // namespace platform
