#include <windows.h>

#include "platform/common/system_process_exit.h"

namespace platform {

void SystemEndProcessNow(uint32_t exitCode) {
  TerminateProcess(GetCurrentProcess(), exitCode);
  // Only reached if the system refused; ending from inside is the next best thing.
  ExitProcess(exitCode);
}

}  // namespace platform
