#include "platform/win32/cancellable_call.h"

#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/cancellation.h"
#include "platform/threading.h"

namespace platform {

bool RunUnlessCancelled(std::function<void()> work) {
  NativeWaitable cancel = nullptr;
  if (!CurrentCancelEvent(cancel)) {
    work();
    return true;
  }
  auto done = std::make_shared<Event>(Event::Reset::kManual);
  try {
    std::thread([done, work] {
      work();
      done->Signal();
    }).detach();
  } catch (const std::system_error&) {
    work();
    return true;
  }
  return WaitUnlessCancelled(done->Native(), kInfinite) == WaitResult::kSignalled;
}

}  // namespace platform
