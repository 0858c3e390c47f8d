// Cancellation of blocking work on worker threads.
//
// A worker thread installs its cancel event for the duration of its body with
// ScopedCancellation. Every blocking operation of the program (sleeps, process waits,
// transfers) consults the calling thread's cancel event, so a worker being destroyed can end
// its thread promptly without passing a token through every call and without forced
// termination. On a thread without a cancel event nothing is ever cancelled.
#pragma once

#include <cstdint>

#include "platform/threading.h"

namespace platform {

class ScopedCancellation {
 public:
  // `cancel` should be a manual-reset event that stays signalled once cancellation begins.
  explicit ScopedCancellation(Event& cancel);
  ~ScopedCancellation();
  ScopedCancellation(const ScopedCancellation&) = delete;
  ScopedCancellation& operator=(const ScopedCancellation&) = delete;

 private:
  Event* previous_;
};

// True when the calling thread's work has been cancelled.
bool CancellationRequested();

// The calling thread's cancel event, for blocking calls that wait on it together with
// objects of their own. False on a thread without one.
bool CurrentCancelEvent(NativeWaitable& event);

// Sleeps `milliseconds` unless cancelled first. False when cancelled.
bool SleepUnlessCancelled(uint32_t milliseconds);

enum class WaitResult { kSignalled, kTimedOut, kCancelled };

// Waits for `object` (a process, an event) for at most `timeoutMs` unless cancelled first.
WaitResult WaitUnlessCancelled(NativeWaitable object, uint32_t timeoutMs);

}  // namespace platform
