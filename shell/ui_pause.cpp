#include "shell/ui_pause.h"

#include <mutex>

#include "platform/clock.h"

namespace {

struct PauseOverride {
  std::mutex lock;
  std::function<void(uint32_t)> pause;
};

PauseOverride& Override() {
  static PauseOverride instance;
  return instance;
}

}  // namespace

void PauseUiThread(uint32_t milliseconds) {
  std::function<void(uint32_t)> pause;
  {
    std::lock_guard<std::mutex> hold(Override().lock);
    pause = Override().pause;
  }
  if (pause) {
    pause(milliseconds);
    return;
  }
  platform::Sleep(milliseconds);
}

void SetUiPauseForTesting(std::function<void(uint32_t milliseconds)> pause) {
  std::lock_guard<std::mutex> hold(Override().lock);
  Override().pause = std::move(pause);
}
