// The queue loop of worker threads: order, draining, stopping and destruction.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/cancellation.h"
#include "platform/clock.h"
#include "platform/threading.h"
#include "threads/worker_thread.h"

namespace {

using platform::Event;

// Records every task it handles; a test may give it a handler to run for each task.
class RecordingWorker : public CWorkerThread<int> {
 public:
  ~RecordingWorker() override { StopThread(); }

  void ProcessTask(int& task) override {
    if (onTask) {
      onTask(task);
    }
    {
      platform::ScopedLock hold(lock_);
      handled_.push_back(task);
    }
    handledOne.Signal();
  }

  const wchar_t* GetName() const override { return L"RecordingWorker"; }

  std::vector<int> Handled() {
    platform::ScopedLock hold(lock_);
    return handled_;
  }

  // Waits until `count` tasks have been handled, at most a few seconds.
  bool WaitForHandled(size_t count) {
    const uint32_t start = platform::GetTickCount();
    while (Handled().size() < count) {
      if (platform::GetTickCount() - start > 5000) {
        return false;
      }
      handledOne.Wait(100);
    }
    return true;
  }

  bool WaitUntilEnded() {
    const uint32_t start = platform::GetTickCount();
    while (IsRunning()) {
      if (platform::GetTickCount() - start > 5000) {
        return false;
      }
      platform::Sleep(5);
    }
    return true;
  }

  using CWorkerThread<int>::EndThread;

  std::function<void(int)> onTask;
  Event handledOne{Event::Reset::kAuto};

 private:
  platform::Lock lock_;
  std::vector<int> handled_;
};

TEST(WorkerThreadTest, HandlesRecordsPostedBeforeStartInOrder) {
  RecordingWorker worker;
  worker.Post(1);
  worker.Post(2);
  worker.Post(3);
  ASSERT_TRUE(worker.Start());
  ASSERT_TRUE(worker.WaitForHandled(3));
  EXPECT_EQ(worker.Handled(), (std::vector<int>{1, 2, 3}));
}

TEST(WorkerThreadTest, StartsOnlyOnce) {
  RecordingWorker worker;
  ASSERT_TRUE(worker.Start());
  EXPECT_FALSE(worker.Start());
  worker.Post(7);
  ASSERT_TRUE(worker.WaitForHandled(1));
}

TEST(WorkerThreadTest, OneWakeUpDrainsRecordsPostedWhileHandling) {
  RecordingWorker worker;
  // The first task posts two more from inside the handler; both join the same batch.
  worker.onTask = [&worker](int task) {
    if (task == 1) {
      worker.Post(2);
      worker.Post(3);
    }
  };
  ASSERT_TRUE(worker.Start());
  worker.Post(1);
  ASSERT_TRUE(worker.WaitForHandled(3));
  EXPECT_EQ(worker.Handled(), (std::vector<int>{1, 2, 3}));
}

TEST(WorkerThreadTest, RequestStopEndsTheLoopOnlyAfterTheNextBatch) {
  RecordingWorker worker;
  // Holds the handler of record 2 until record 3 is queued, so both form one batch.
  Event batchQueued(Event::Reset::kManual);
  worker.onTask = [&batchQueued](int task) {
    if (task == 2) {
      batchQueued.Wait(5000);
    }
  };
  ASSERT_TRUE(worker.Start());
  worker.Post(1);
  ASSERT_TRUE(worker.WaitForHandled(1));
  platform::Sleep(50);  // lets the worker go back to waiting on its event

  worker.RequestStop();
  platform::Sleep(50);
  EXPECT_TRUE(worker.IsRunning()) << "a stop request must not wake a waiting worker";

  worker.Post(2);
  worker.Post(3);
  batchQueued.Signal();
  ASSERT_TRUE(worker.WaitForHandled(3));
  ASSERT_TRUE(worker.WaitUntilEnded());
  worker.Post(4);
  platform::Sleep(50);
  EXPECT_EQ(worker.Handled(), (std::vector<int>{1, 2, 3}));
}

TEST(WorkerThreadTest, EndThreadLeavesTheRestOfTheQueue) {
  RecordingWorker worker;
  worker.onTask = [&worker](int task) {
    if (task == 2) {
      worker.EndThread();
    }
  };
  worker.Post(1);
  worker.Post(2);
  worker.Post(3);
  ASSERT_TRUE(worker.Start());
  ASSERT_TRUE(worker.WaitForHandled(2));
  ASSERT_TRUE(worker.WaitUntilEnded());
  EXPECT_EQ(worker.Handled(), (std::vector<int>{1, 2}));
}

// Stands for a downloader or an installer: its handler blocks until it is cancelled.
class BlockingWorker : public CWorkerThread<std::shared_ptr<int>> {
 public:
  ~BlockingWorker() override { StopThread(); }

  void ProcessTask(std::shared_ptr<int>&) override {
    ++started;
    blocked.Signal();
    Event never(Event::Reset::kManual);
    platform::WaitUnlessCancelled(never.Native(), platform::kInfinite);
  }

  const wchar_t* GetName() const override { return L"BlockingWorker"; }

  std::atomic<int> started{0};
  Event blocked{Event::Reset::kManual};
};

TEST(WorkerThreadTest, DestructionCancelsABlockedHandlerAndDropsQueuedRecords) {
  std::weak_ptr<int> queued;
  int started = 0;
  uint32_t destructionStart = 0;
  {
    BlockingWorker worker;
    ASSERT_TRUE(worker.Start());
    worker.Post(std::make_shared<int>(1));
    ASSERT_TRUE(worker.blocked.Wait(5000));
    auto second = std::make_shared<int>(2);
    queued = second;
    worker.Post(std::move(second));
    started = worker.started.load();
    destructionStart = platform::GetTickCount();
  }
  EXPECT_LT(platform::GetTickCount() - destructionStart, 2000u);
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(queued.expired()) << "a record still queued is released with the worker";
}

TEST(WorkerThreadTest, DestructionOfAnIdleWorkerIsPrompt) {
  const uint32_t start = platform::GetTickCount();
  {
    RecordingWorker worker;
    ASSERT_TRUE(worker.Start());
    worker.Post(1);
    ASSERT_TRUE(worker.WaitForHandled(1));
  }
  EXPECT_LT(platform::GetTickCount() - start, 2000u);
}

}  // namespace

namespace {

// An exception from a handler would end the whole process if it left the thread: the
// thread ends instead, and its owner can still be destroyed.
TEST(WorkerThreadTest, AnExceptionFromAHandlerEndsOnlyTheThread) {
  for (const bool standard : {true, false}) {
    RecordingWorker worker;
    worker.onTask = [standard](int task) {
      if (task == 2) {
        if (standard) {
          throw std::runtime_error("handler failed");
        }
        throw 42;
      }
    };
    worker.Post(1);
    worker.Post(2);
    worker.Post(3);
    ASSERT_TRUE(worker.Start());
    ASSERT_TRUE(worker.WaitForHandled(1));
    ASSERT_TRUE(worker.WaitUntilEnded());
    platform::Sleep(50);
    EXPECT_EQ(worker.Handled(), std::vector<int>{1});
  }
}

}  // namespace
