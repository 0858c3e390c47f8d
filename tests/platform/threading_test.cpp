// Events, locks and threads of the platform layer.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/clock.h"
#include "platform/threading.h"

namespace {

using platform::Event;

TEST(EventTest, AutoResetLetsOneWaitThroughPerSignal) {
  Event event(Event::Reset::kAuto);
  ASSERT_TRUE(event.IsValid());
  EXPECT_FALSE(event.Wait(0));
  event.Signal();
  event.Signal();  // signals before a wait collapse into one
  EXPECT_TRUE(event.IsSignalled());
  EXPECT_TRUE(event.Wait(0));
  EXPECT_FALSE(event.Wait(0));
}

TEST(EventTest, ManualResetStaysSignalledUntilCleared) {
  Event event(Event::Reset::kManual);
  event.Signal();
  EXPECT_TRUE(event.Wait(0));
  EXPECT_TRUE(event.Wait(0));
  event.Clear();
  EXPECT_FALSE(event.Wait(0));
}

TEST(EventTest, WakesAWaiterOnAnotherThread) {
  Event event(Event::Reset::kAuto);
  std::atomic<bool> woke{false};
  platform::Thread waiter;
  ASSERT_TRUE(waiter.Start([&] { woke = event.Wait(); }));
  platform::Sleep(20);
  event.Signal();
  waiter.Join();
  EXPECT_TRUE(woke);
}

TEST(EventTest, WaitTimesOut) {
  Event event(Event::Reset::kAuto);
  const uint32_t start = platform::GetTickCount();
  EXPECT_FALSE(event.Wait(50));
  EXPECT_GE(platform::GetTickCount() - start, 40u);
}

TEST(WaitForAnyTest, ReportsTheSignalledObject) {
  Event first(Event::Reset::kManual);
  Event second(Event::Reset::kManual);
  const platform::NativeWaitable objects[] = {first.Native(), second.Native()};
  EXPECT_EQ(platform::WaitForAny(objects, 2, 0), -1);
  second.Signal();
  EXPECT_EQ(platform::WaitForAny(objects, 2, 0), 1);
}

TEST(ThreadTest, StartsOnceAndJoins) {
  std::atomic<int> runs{0};
  platform::Thread thread;
  EXPECT_FALSE(thread.IsStarted());
  ASSERT_TRUE(thread.Start([&] { ++runs; }));
  EXPECT_FALSE(thread.Start([&] { ++runs; }));
  thread.Join();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(thread.IsStarted());
}

TEST(ThreadTest, JoinForGivesUpOnABusyThread) {
  Event release(Event::Reset::kManual);
  platform::Thread thread;
  ASSERT_TRUE(thread.Start([&] { release.Wait(); }));
  EXPECT_FALSE(thread.JoinFor(30));
  release.Signal();
  EXPECT_TRUE(thread.JoinFor(platform::kInfinite));
}

TEST(LockTest, SerialisesIncrements) {
  platform::Lock lock;
  int counter = 0;
  platform::Thread a, b;
  auto work = [&] {
    for (int i = 0; i < 10000; ++i) {
      platform::ScopedLock hold(lock);
      ++counter;
    }
  };
  a.Start(work);
  b.Start(work);
  a.Join();
  b.Join();
  EXPECT_EQ(counter, 20000);
}

}  // namespace
