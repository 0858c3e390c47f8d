// The platform's own version query, supplied by each platform.
#pragma once

#include <cstdint>

namespace platform {

bool SystemWorkstationVersion(uint32_t& major, uint32_t& minor);

}  // namespace platform
