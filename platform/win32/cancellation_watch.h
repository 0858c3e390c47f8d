// For blocking Windows calls that cannot wait on the cancel event themselves (urlmon,
// WinINet): a thread that waits on it for them and runs an action that cuts the call short.
#pragma once

#include <functional>

#include "platform/threading.h"

namespace platform {

class CancellationWatch {
 public:
  // Starts watching the calling thread's cancel event (platform/cancellation.h); runs
  // `onCancel` once, on the watching thread, if it is signalled while this object lives.
  // Without a cancel event on the calling thread nothing is watched.
  explicit CancellationWatch(std::function<void()> onCancel);

  // Stops watching; returns after `onCancel` has finished if it was running.
  ~CancellationWatch();

  CancellationWatch(const CancellationWatch&) = delete;
  CancellationWatch& operator=(const CancellationWatch&) = delete;

 private:
  Event done_{Event::Reset::kManual};
  Thread thread_;
};

}  // namespace platform
