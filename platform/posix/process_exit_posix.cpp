#include <unistd.h>

#include "platform/common/system_process_exit.h"

namespace platform {

void SystemEndProcessNow(uint32_t exitCode) {
  _exit(static_cast<int>(exitCode));
}

}  // namespace platform
