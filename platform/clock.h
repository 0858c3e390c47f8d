// Time as the worker design needs it.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since the system started, wrapping around after about 49.7 days.
uint32_t GetTickCount();

// Blocks the calling thread for `milliseconds`.
void Sleep(uint32_t milliseconds);

}  // namespace platform
