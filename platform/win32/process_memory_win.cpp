#include <windows.h>
// After windows.h, which it needs; version 2 names kernel32's own entry, so no psapi.dll.
#define PSAPI_VERSION 2
#include <psapi.h>

#include "platform/process_memory.h"

namespace platform {

uint64_t PeakMemoryBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
    return 0;
  }
  return counters.PeakWorkingSetSize;
}

}  // namespace platform
