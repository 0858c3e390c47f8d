// The operating system's processor architecture, supplied by each platform.
#pragma once

#include <cstdint>

namespace platform {

uint16_t SystemProcessorArchitecture();

}  // namespace platform
