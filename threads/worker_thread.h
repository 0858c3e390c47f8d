// A thread with a first-in first-out queue of task records that it handles one at a time.
//
// Any thread may Post a record; the worker's own thread copies records out and hands each
// to ProcessTask. The queue lock is held only to add or remove one record, never while a
// handler runs.
//
// Ending a worker: RequestStop only sets the stop flag, which the loop looks at before each
// wait, so a waiting worker still handles the batch of the next Post and then ends. The
// destructor of the most-derived class calls StopThread, which also cancels whatever the
// handler is blocked in (see platform/cancellation.h) and waits for the thread to end; a
// handler that sees the cancellation calls EndThread and returns, so the thread never runs
// code on a half-destroyed object and is never killed while it holds a lock.
#pragma once

#include <atomic>
#include <list>
#include <utility>

#include "platform/cancellation.h"
#include "platform/threading.h"
#include "threads/thread_base.h"

template <typename T>
class CWorkerThread : public CThreadBase {
 public:
  CWorkerThread() = default;
  ~CWorkerThread() override { StopThread(); }

  // Refuses once the worker is being stopped for good, and when its wake-up event could not
  // be created (the loop could only spin without it).
  bool Start() override {
    if (stopping_.load() || !wakeUp_.IsValid()) {
      return false;
    }
    return CThreadBase::Start();
  }

  // The queue loop.
  void Run() override {
    platform::ScopedCancellation cancellation(cancel_);
    while (!stop_.load()) {
      if (!wakeUp_.Wait()) {
        continue;
      }
      T task;
      while (TakeFront(task)) {
        ProcessTask(task);
        if (threadEnding_.load() || stopping_.load()) {
          return;
        }
      }
    }
  }

  // Handles one record on the worker's own thread; `task` is the loop's copy.
  virtual void ProcessTask(T& task) = 0;

  virtual const wchar_t* GetName() const = 0;

  // Sets the stop flag and nothing else: the loop ends at its next check.
  virtual void RequestStop() { stop_.store(true); }

  // Appends a copy of `task` and wakes the worker. Callable from any thread, before Start too.
  void Post(T task) {
    {
      platform::ScopedLock hold(queueLock_);
      queue_.push_back(std::move(task));
    }
    wakeUp_.Signal();
  }

 protected:
  bool StopRequested() const { return stop_.load(); }

  // For a handler that gives up its task because of a stop: no further record is handled
  // and the thread ends as soon as the handler returns.
  void EndThread() { threadEnding_.store(true); }

  // Ends the thread for good: stops the loop, cancels the blocking call in hand, and waits
  // for the thread. The most-derived destructor calls this before its members go.
  void StopThread() {
    stopping_.store(true);
    stop_.store(true);
    cancel_.Signal();
    wakeUp_.Signal();
    JoinThread();
  }

 private:
  bool TakeFront(T& task) {
    platform::ScopedLock hold(queueLock_);
    if (queue_.empty()) {
      return false;
    }
    task = std::move(queue_.front());
    queue_.pop_front();
    return true;
  }

  platform::Event wakeUp_{platform::Event::Reset::kAuto};
  platform::Event cancel_{platform::Event::Reset::kManual};
  std::list<T> queue_;
  platform::Lock queueLock_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> threadEnding_{false};
};
