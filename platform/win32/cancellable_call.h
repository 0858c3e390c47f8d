// For blocking Windows calls that nothing can cut short from outside (a WinINet request to
// a silent server): the call runs on a helper thread, and a caller whose work is cancelled
// stops waiting for it.
#pragma once

#include <functional>

namespace platform {

// Runs `work` and returns true once it has finished. When the calling thread's work is
// cancelled first (platform/cancellation.h), returns false at once and leaves `work` to
// finish on its own helper thread, so `work` must own, or share ownership of, everything
// it touches. Without a cancel event on the calling thread `work` runs on it directly.
bool RunUnlessCancelled(std::function<void()> work);

}  // namespace platform
