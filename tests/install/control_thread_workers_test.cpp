// The controller's base owns its downloader and installer: it is their owner and passes a
// stop request on to them.
#include <gtest/gtest.h>

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

// Without the stop request both workers would wait for further tasks for ever.
TEST(ControlThreadWorkersTest, AStopRequestReachesBothWorkers) {
  FakeOwner owner;
  install_test::ScratchFolder scratch;
  DownInfo nowhere;
  nowhere.url = "http://127.0.0.1:1/none.exe";
  nowhere.localPath = scratch.File("none.exe");
  ASSERT_TRUE(owner.Installer().Start());
  ASSERT_TRUE(owner.Downloader().Start());
  owner.RequestStop();
  owner.Installer().Post(InstallInfo{});  // refused at once
  owner.Downloader().Post(nowhere);       // refused at once
  EXPECT_TRUE(install_test::WaitUntil(
      [&] { return !owner.Installer().IsRunning() && !owner.Downloader().IsRunning(); }));
}

}  // namespace
