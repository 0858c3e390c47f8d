#include "platform/win32/cancellation_watch.h"

#include <utility>

#include "platform/cancellation.h"

namespace platform {

CancellationWatch::CancellationWatch(std::function<void()> onCancel) {
  NativeWaitable cancel = nullptr;
  if (!CurrentCancelEvent(cancel)) {
    return;
  }
  const NativeWaitable done = done_.Native();
  thread_.Start([cancel, done, action = std::move(onCancel)] {
    const NativeWaitable objects[] = {cancel, done};
    if (WaitForAny(objects, 2, kInfinite) == 0) {
      action();
    }
  });
}

CancellationWatch::~CancellationWatch() {
  done_.Signal();
  thread_.Join();
}

}  // namespace platform
