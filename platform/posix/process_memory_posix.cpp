#include <sys/resource.h>

#include "platform/process_memory.h"

namespace platform {

uint64_t PeakMemoryBytes() {
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0 || usage.ru_maxrss < 0) {
    return 0;
  }
  return static_cast<uint64_t>(usage.ru_maxrss) * 1024;  // Linux counts in kilobytes
}

}  // namespace platform
