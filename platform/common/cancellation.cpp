#include "platform/cancellation.h"

#include "platform/clock.h"

namespace platform {
namespace {
thread_local Event* currentCancel = nullptr;
}

ScopedCancellation::ScopedCancellation(Event& cancel) : previous_(currentCancel) {
  currentCancel = &cancel;
}

ScopedCancellation::~ScopedCancellation() {
  currentCancel = previous_;
}

bool CancellationRequested() {
  return currentCancel != nullptr && currentCancel->IsSignalled();
}

bool CurrentCancelEvent(NativeWaitable& event) {
  if (currentCancel == nullptr) {
    return false;
  }
  event = currentCancel->Native();
  return true;
}

bool SleepUnlessCancelled(uint32_t milliseconds) {
  if (currentCancel == nullptr) {
    Sleep(milliseconds);
    return true;
  }
  return !currentCancel->Wait(milliseconds);
}

WaitResult WaitUnlessCancelled(NativeWaitable object, uint32_t timeoutMs) {
  if (currentCancel == nullptr) {
    const int index = WaitForAny(&object, 1, timeoutMs);
    return index == 0 ? WaitResult::kSignalled : WaitResult::kTimedOut;
  }
  const NativeWaitable objects[] = {currentCancel->Native(), object};
  switch (WaitForAny(objects, 2, timeoutMs)) {
    case 0:
      return WaitResult::kCancelled;
    case 1:
      return WaitResult::kSignalled;
    default:
      return WaitResult::kTimedOut;
  }
}

}  // namespace platform
