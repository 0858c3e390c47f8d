#include "platform/common/system_workstation_version.h"

namespace platform {

bool SystemWorkstationVersion(uint32_t&, uint32_t&) {
  return false;
}

}  // namespace platform
