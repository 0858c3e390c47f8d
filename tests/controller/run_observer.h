// Watches a controller run from outside: collects the messages the controller sends its
// window and waits for completion.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include <gtest/gtest.h>

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

  // What the window sees of a whole run: 1, then 2, never falling, exactly one
  // WM_INSTALL_DONE. Wrap in ASSERT_NO_FATAL_FAILURE to stop on a run that is too short.
  void ExpectOneRisingRun() {
    const auto messages = Messages();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(messages[0].percent, 1u);
    EXPECT_EQ(messages[1].percent, 2u);
    size_t done = 0;
    for (size_t i = 1; i < messages.size(); ++i) {
      EXPECT_GE(messages[i].percent, messages[i - 1].percent) << "at message " << i;
      done += messages[i].id == WM_INSTALL_DONE;
    }
    EXPECT_EQ(done, 1u);
  }

 private:
  std::mutex lock_;
  std::vector<Message> messages_;
  platform::Event done_{platform::Event::Reset::kManual};
};
