// The step-report sender: one worker thread that posts queued report bodies to the
// statistics endpoint one after another, oldest first.
//
// Push never blocks on the network. The worker waits while the machine is offline (the
// report stays first in the queue), adds the machine identity, posts, logs "post fail\r\n"
// and "post return:%s\r\n" to standard output, and sends message 1025 to the main window
// (waiting until it is handled) when the answer is exactly "1". Failed posts are not
// retried.
#pragma once

#include <atomic>
#include <cstdint>
#include <list>
#include <string>

#include "platform/threading.h"

class CSendPost {
 public:
  static constexpr uint32_t kReportHandledMessage = 1025;  // WM_USER + 1
  static constexpr uint32_t kStopWaitMs = 10000;

  // Starts the worker. Without an event or a thread the sender drops every report.
  CSendPost();
  // Stops the worker (see Stop) and waits for it without limit.
  ~CSendPost();
  CSendPost(const CSendPost&) = delete;
  CSendPost& operator=(const CSendPost&) = delete;

  void Push(std::string body);

  // Asks the worker to end after the post in progress and discards queued reports. True
  // when the worker ended within `timeoutMs`; otherwise it is left running and this
  // object must never be freed. An idle worker ends at once.
  bool Stop(uint32_t timeoutMs);

  // How long the worker waits before it asks again whether the machine is online.
  static void SetOfflineRetryForTesting(uint32_t milliseconds);

  // Waits until the queue is empty and no report is being sent; false after `timeoutMs`.
  bool WaitForIdleForTesting(uint32_t timeoutMs);

 private:
  void Work();
  void WorkUntilStopped();
  bool TakeOldest(std::string& body);
  bool QueueEmpty();
  void Send(std::string body);

  platform::Event wakeUp_;
  std::list<std::string> queue_;
  platform::Thread worker_;
  platform::Lock lock_;  // guards queue_
  std::atomic<bool> stop_{false};
  std::atomic<bool> busy_{false};     // a report has been taken and is being sent
  std::atomic<bool> running_{false};  // cleared by a worker that ended by an exception
};
