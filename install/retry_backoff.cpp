#include "install/retry_backoff.h"

#include <algorithm>

#include "platform/cancellation.h"

namespace {

// A stop only sets a flag; the wait looks at it this often.
constexpr uint32_t kStopLookMs = 50;

}  // namespace

uint32_t RetryDelayMs(uint32_t failuresInARow, uint32_t firstMs, uint32_t longestMs) {
  if (failuresInARow == 0) {
    return 0;
  }
  uint64_t delay = firstMs;
  for (uint32_t i = 1; i < failuresInARow && delay < longestMs; ++i) {
    delay *= 2;
  }
  return static_cast<uint32_t>(std::min<uint64_t>(delay, longestMs));
}

bool WaitBeforeRetry(uint32_t milliseconds, const std::function<bool()>& stopRequested) {
  for (uint32_t waited = 0; waited < milliseconds;) {
    if (stopRequested()) {
      return false;
    }
    const uint32_t slice = std::min(kStopLookMs, milliseconds - waited);
    if (!platform::SleepUnlessCancelled(slice)) {
      return false;
    }
    waited += slice;
  }
  return !stopRequested() && !platform::CancellationRequested();
}
