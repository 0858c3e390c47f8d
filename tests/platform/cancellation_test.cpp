// Blocking calls give up when the calling thread's work is cancelled.
#include <gtest/gtest.h>

#include "platform/cancellation.h"
#include "platform/clock.h"

namespace {

using platform::Event;

TEST(CancellationTest, WithoutACancelEventNothingIsCancelled) {
  EXPECT_FALSE(platform::CancellationRequested());
  EXPECT_TRUE(platform::SleepUnlessCancelled(1));
}

TEST(CancellationTest, CancelledSleepReturnsAtOnce) {
  Event cancel(Event::Reset::kManual);
  platform::ScopedCancellation scope(cancel);
  cancel.Signal();
  const uint32_t start = platform::GetTickCount();
  EXPECT_FALSE(platform::SleepUnlessCancelled(5000));
  EXPECT_TRUE(platform::CancellationRequested());
  EXPECT_LT(platform::GetTickCount() - start, 1000u);
}

TEST(CancellationTest, CancelFromAnotherThreadEndsAWait) {
  Event cancel(Event::Reset::kManual);
  Event never(Event::Reset::kManual);
  platform::WaitResult result = platform::WaitResult::kSignalled;
  platform::Thread worker;
  worker.Start([&] {
    platform::ScopedCancellation scope(cancel);
    result = platform::WaitUnlessCancelled(never.Native(), platform::kInfinite);
  });
  platform::Sleep(20);
  cancel.Signal();
  worker.Join();
  EXPECT_EQ(result, platform::WaitResult::kCancelled);
}

TEST(CancellationTest, WaitReportsSignalAndTimeOut) {
  Event cancel(Event::Reset::kManual);
  Event object(Event::Reset::kManual);
  platform::ScopedCancellation scope(cancel);
  EXPECT_EQ(platform::WaitUnlessCancelled(object.Native(), 10), platform::WaitResult::kTimedOut);
  object.Signal();
  EXPECT_EQ(platform::WaitUnlessCancelled(object.Native(), 10), platform::WaitResult::kSignalled);
}

TEST(CancellationTest, ScopesNestAndRestore) {
  Event outer(Event::Reset::kManual);
  Event inner(Event::Reset::kManual);
  outer.Signal();
  platform::ScopedCancellation outerScope(outer);
  {
    platform::ScopedCancellation innerScope(inner);
    EXPECT_FALSE(platform::CancellationRequested());
  }
  EXPECT_TRUE(platform::CancellationRequested());
}

}  // namespace
