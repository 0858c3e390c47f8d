#include <windows.h>

#include "platform/clock.h"

namespace platform {

uint32_t GetTickCount() {
  return ::GetTickCount();
}

void Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace platform
