// The controller's base owns its downloader and installer: it is their owner, passes a stop
// request on to them, and its destruction ends all three threads.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "tests/install/fake_owner.h"
#include "tests/install/test_support.h"

namespace {

using install_test::FakeOwner;

TEST(ControlThreadWorkersTest, TheControllerOwnsItsWorkers) {
  FakeOwner owner;
  EXPECT_EQ(owner.Installer().owner, &owner);
  EXPECT_EQ(owner.Downloader().owner, &owner);
  EXPECT_STREQ(owner.Installer().GetName(), L"CInstallerThread");
  EXPECT_STREQ(owner.Downloader().GetName(), L"CDownloaderThread");
}

TEST(ControlThreadWorkersTest, AStopRequestReachesTheWorkersAndEachEndsAfterItsNextBatch) {
  FakeOwner owner;
  ASSERT_TRUE(owner.Installer().Start());
  ASSERT_TRUE(owner.Downloader().Start());
  ASSERT_TRUE(install_test::WaitUntil(
      [&] { return owner.Installer().IsRunning() && owner.Downloader().IsRunning(); }));
  owner.RequestStop();
  platform::Sleep(20);
  EXPECT_TRUE(owner.Installer().IsRunning()) << "a stop request wakes nobody";
  EXPECT_TRUE(owner.Downloader().IsRunning());

  owner.Installer().Post(InstallInfo{});  // refused at once: one -1 report
  DownInfo nowhere;
  nowhere.url = "http://127.0.0.1:1/none.exe";
  install_test::ScratchFolder scratch;
  nowhere.localPath = scratch.File("none.exe");
  owner.Downloader().Post(nowhere);
  EXPECT_TRUE(install_test::WaitUntil(
      [&] { return !owner.Installer().IsRunning() && !owner.Downloader().IsRunning(); }));
}

}  // namespace
