// A thread that is started at most once and runs a virtual body.
#pragma once

#include <atomic>

#include "platform/threading.h"

class CThreadBase {
 public:
  CThreadBase() = default;
  virtual ~CThreadBase();
  CThreadBase(const CThreadBase&) = delete;
  CThreadBase& operator=(const CThreadBase&) = delete;

  // Creates the thread, once. False when it already has one or when the system could not
  // create it (a later Start tries again).
  virtual bool Start();

  // The thread body.
  virtual void Run() = 0;

  // True while the body runs.
  virtual bool IsRunning();

 protected:
  // Waits for the thread to end. Derived classes make their body return first, and call
  // this from their own destructor, before any member the body uses is destroyed.
  void JoinThread();

  bool HasThread() const { return thread_.IsStarted(); }

 private:
  void ThreadProcedure();

  std::atomic<bool> running_{false};
  platform::Thread thread_;
};
