// How much memory the running program has used, for benchmarks.
#pragma once

#include <cstdint>

namespace platform {

// The most physical memory the program has held at once (peak working set on Windows, peak
// resident set on POSIX), in bytes; 0 when the system cannot tell.
uint64_t PeakMemoryBytes();

}  // namespace platform
