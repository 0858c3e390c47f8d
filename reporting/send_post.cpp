#include "reporting/send_post.h"

#include <cstdio>
#include <exception>

#include "platform/clock.h"
#include "platform/network_state.h"
#include "platform/window_messages.h"
#include "reporting/api_urls.h"
#include "reporting/http_requests.h"
#include "reporting/mac_identity.h"
#include "reporting/main_window_handle.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"

namespace {

std::atomic<uint32_t> offlineRetryMs{1000};

// The process has no console; these lines are seen only when standard output is
// redirected, and are flushed at once since the process may end abruptly.
void Log(const char* format, const std::string& text = std::string()) {
  std::printf(format, text.c_str());
  std::fflush(stdout);
}

}  // namespace

CSendPost::CSendPost() : wakeUp_(platform::Event::Reset::kAuto) {
  running_ = wakeUp_.IsValid() && worker_.Start([this] { Work(); });
}

CSendPost::~CSendPost() {
  Stop(platform::kInfinite);
}

void CSendPost::Push(std::string body) {
  if (!running_ || stop_) {
    return;  // nobody would ever send it
  }
  lock_.Acquire();
  queue_.push_back(std::move(body));
  lock_.Release();
  wakeUp_.Signal();
}

bool CSendPost::Stop(uint32_t timeoutMs) {
  stop_ = true;
  wakeUp_.Signal();
  if (!worker_.JoinFor(timeoutMs)) {
    worker_.Detach();
    return false;
  }
  lock_.Acquire();
  queue_.clear();
  lock_.Release();
  return true;
}

void CSendPost::SetOfflineRetryForTesting(uint32_t milliseconds) {
  offlineRetryMs = milliseconds;
}

bool CSendPost::WaitForIdleForTesting(uint32_t timeoutMs) {
  for (uint32_t waited = 0; !QueueEmpty() || busy_; waited += 5) {
    if (waited >= timeoutMs) {
      return false;
    }
    platform::Sleep(5);
  }
  return true;
}

bool CSendPost::QueueEmpty() {
  platform::ScopedLock hold(lock_);
  return queue_.empty();
}

bool CSendPost::TakeOldest(std::string& body) {
  platform::ScopedLock hold(lock_);
  if (queue_.empty()) {
    return false;
  }
  body = std::move(queue_.front());
  queue_.pop_front();
  busy_ = true;
  return true;
}

// Nothing may leave the thread: an exception would end the whole process. The worker ends
// instead, and later reports are dropped as when it could not start.
void CSendPost::Work() {
  try {
    WorkUntilStopped();
  } catch (const std::exception& error) {
    Log("post thread ended: %s\r\n", error.what());
  } catch (...) {
    Log("post thread ended: %s\r\n", "unknown exception");
  }
  busy_ = false;
  running_ = false;
}

void CSendPost::WorkUntilStopped() {
  while (!stop_) {
    if (QueueEmpty()) {
      wakeUp_.Wait();
      continue;
    }
    if (!platform::IsNetworkConnected()) {
      // A push or the stop may end the pause early; the loop then looks again.
      wakeUp_.Wait(offlineRetryMs);
      continue;
    }
    std::string body;
    if (TakeOldest(body)) {
      Send(std::move(body));
      busy_ = false;
    }
  }
}

void CSendPost::Send(std::string body) {
  body += "&mac=" + EncryptPayload(GetMacIdentity(), PayloadKey);
  std::string response;
  const bool posted = HttpPost(StatisticsUrl(), body, response);
  if (!posted) {
    Log("post fail\r\n");
  }
  // At process exit the main window is already gone; nothing could handle the message.
  if (response == "1" && !stop_) {
    platform::SendWindowMessage(MainWindowHandle(), kReportHandledMessage, 0, 0,
                                platform::Delivery::kWait);
  }
  Log("post return:%s\r\n", response);
}
