// Watches a controller run from outside: collects the messages the controller sends its
// window and waits for completion.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "controller/install_messages.h"
#include "platform/threading.h"
#include "platform/window_messages.h"

class RunObserver {
 public:
  struct Message {
    uint32_t id;
    uintptr_t percent;
  };

  RunObserver() {
    platform::SetMessageSink([this](platform::WindowHandle, uint32_t id, uintptr_t wParam, intptr_t,
                                    platform::Delivery) {
      std::lock_guard<std::mutex> hold(lock_);
      messages_.push_back({id, wParam});
      if (id == WM_INSTALL_DONE) {
        done_.Signal();
      }
    });
  }
  ~RunObserver() { platform::SetMessageSink({}); }
  RunObserver(const RunObserver&) = delete;
  RunObserver& operator=(const RunObserver&) = delete;

  // The handle to give the controller as its window.
  static platform::WindowHandle Window() { return reinterpret_cast<platform::WindowHandle>(1); }

  bool WaitForDone(uint32_t timeoutMs) { return done_.Wait(timeoutMs); }

  std::vector<Message> Messages() {
    std::lock_guard<std::mutex> hold(lock_);
    return messages_;
  }

 private:
  std::mutex lock_;
  std::vector<Message> messages_;
  platform::Event done_{platform::Event::Reset::kManual};
};
