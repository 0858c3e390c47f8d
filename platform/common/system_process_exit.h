// The platform's own way of ending the process at once, supplied by each platform.
#pragma once

#include <cstdint>

namespace platform {

[[noreturn]] void SystemEndProcessNow(uint32_t exitCode);

}  // namespace platform
