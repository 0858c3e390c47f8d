// The controller's base class.
#include <gtest/gtest.h>

#include <cwchar>

#include "threads/control_thread.h"

namespace {

class MinimalControl : public CControlThread {
 public:
  ~MinimalControl() override { StopThread(); }
  void ProcessTask(ControlInfo&) override {}
  bool InstallPackage(InstallInfo&, platform::ProcessHandle&) override { return false; }
  bool IsPackageInstalled(InstallInfo&) override { return false; }
};

TEST(ControlThreadTest, IsNamedAfterTheControllerAndHasNoWindowYet) {
  MinimalControl control;
  EXPECT_STREQ(control.GetName(), L"CControlThread");
  EXPECT_EQ(control.notifyWindow, nullptr);
}

TEST(ControlInfoTest, CarriesOneKindOfRecord) {
  ControlInfo start;
  EXPECT_EQ(start.DownRecord(), nullptr);
  EXPECT_EQ(start.InstallRecord(), nullptr);

  auto download = std::make_shared<DownInfo>();
  ControlInfo report{CONTROL_DOWNLOAD_PROGRESS, 50, download};
  EXPECT_EQ(report.DownRecord(), download.get());
  EXPECT_EQ(report.InstallRecord(), nullptr);

  ControlInfo copy = report;  // copies the pointer, never the package
  EXPECT_EQ(copy.DownRecord(), download.get());
}

}  // namespace
