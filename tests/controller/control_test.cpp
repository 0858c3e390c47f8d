// The controller's handling of reports: the overall percentage, completion, retries and the
// hand-over of finished downloads to the right installer.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "controller/control.h"
#include "controller/install_messages.h"
#include "platform/clock.h"
#include "platform/window_messages.h"

namespace {

struct Message {
  uint32_t id;
  uintptr_t percent;
  bool operator==(const Message& other) const { return id == other.id && percent == other.percent; }
};

std::ostream& operator<<(std::ostream& out, const Message& m) {
  return out << (m.id == WM_INSTALL_DONE ? "DONE " : "PROGRESS ") << m.percent;
}

// Captures what the controller sends its window.
class MessageLog {
 public:
  MessageLog() {
    platform::SetMessageSink([this](platform::WindowHandle, uint32_t message, uintptr_t wParam,
                                    intptr_t, platform::Delivery delivery) {
      EXPECT_EQ(delivery, platform::Delivery::kNoWait);
      std::lock_guard<std::mutex> hold(lock_);
      messages_.push_back({message, wParam});
    });
  }
  ~MessageLog() { platform::SetMessageSink({}); }

  std::vector<Message> Take() {
    std::lock_guard<std::mutex> hold(lock_);
    return std::exchange(messages_, {});
  }

 private:
  std::mutex lock_;
  std::vector<Message> messages_;
};

// A controller whose reports the test feeds by hand, on the test's thread, and whose
// installers record what they are asked to install instead of running anything.
class TestControl : public CControl {
 public:
  TestControl() { notifyWindow = reinterpret_cast<platform::WindowHandle>(0x1234); }
  // The installers call InstallPackage, which uses this class's members: they end first.
  ~TestControl() override { StopAllThreads(&secondInstaller); }

  void AddPackage(int32_t kind, const std::string& name, uint32_t size) {
    downloadList.push_back(
        DownInfo{kind, "http://h/" + name, "C:\\Temp\\" + name, size, 0, 0, 0, {}});
    installList.push_back(InstallInfo{kind, "C:\\Temp\\" + name, "D:\\Dir", size, 0, 0});
  }

  void DownloadReport(int32_t value, const std::shared_ptr<DownInfo>& record) {
    ControlInfo report{CONTROL_DOWNLOAD_PROGRESS, value, record};
    ProcessTask(report);
  }
  void InstallReport(int32_t value, const std::shared_ptr<InstallInfo>& record) {
    ControlInfo report{CONTROL_INSTALL_PROGRESS, value, record};
    ProcessTask(report);
  }

  std::shared_ptr<DownInfo> DownloadRecord(size_t index) {
    return std::make_shared<DownInfo>(downloadList[index]);
  }
  std::shared_ptr<InstallInfo> InstallRecord(size_t index) {
    return std::make_shared<InstallInfo>(installList[index]);
  }

  bool InstallPackage(InstallInfo& task, platform::ProcessHandle&) override {
    std::lock_guard<std::mutex> hold(lock_);
    started_.push_back(task.packageFile);
    return false;
  }

  // Waits until `count` installs were asked for.
  std::vector<std::string> StartedInstalls(size_t count) {
    const uint32_t begin = platform::GetTickCount();
    for (;;) {
      {
        std::lock_guard<std::mutex> hold(lock_);
        if (started_.size() >= count || platform::GetTickCount() - begin > 5000) {
          return started_;
        }
      }
      platform::Sleep(5);
    }
  }

  using CControl::installer;
  using CControl::installList;

 private:
  std::mutex lock_;
  std::vector<std::string> started_;
};

class ControlTest : public ::testing::Test {
 protected:
  MessageLog log;
  TestControl control;
};

TEST_F(ControlTest, DownloadsFillTheFirstHalfAndInstallsTheSecond) {
  control.AddPackage(PKG_BCL_X64, "a.msi", 1000000);
  control.AddPackage(PKG_INSTALLER, "setup.exe", 3000000);
  auto first = control.DownloadRecord(0);
  auto second = control.DownloadRecord(1);

  control.DownloadReport(100, first);
  control.DownloadReport(50, second);
  control.DownloadReport(100, second);
  control.InstallReport(100, control.InstallRecord(0));
  control.InstallReport(90, control.InstallRecord(1));
  EXPECT_EQ(log.Take(), (std::vector<Message>{{WM_INSTALL_PROGRESS, 12},
                                              {WM_INSTALL_PROGRESS, 31},
                                              {WM_INSTALL_PROGRESS, 50},
                                              {WM_INSTALL_PROGRESS, 62},
                                              {WM_INSTALL_PROGRESS, 96}}));
}

// 3 GB + 2 GB wraps a 32-bit sum to 705 MB, below the 3 GB of the first installed package:
// the run would have been announced as finished with the second still installing.
TEST_F(ControlTest, SizesAbove2GbNeitherWrapNorEndTheRunEarly) {
  control.AddPackage(PKG_BCL_X64, "a.msi", 3000000000u);
  control.AddPackage(PKG_INSTALLER, "setup.exe", 2000000000u);
  control.AddPackage(PKG_OTHER, "c.dat", 4294967295u);
  control.DownloadReport(100, control.DownloadRecord(0));
  control.DownloadReport(100, control.DownloadRecord(1));
  control.DownloadReport(100, control.DownloadRecord(2));
  control.InstallReport(100, control.InstallRecord(0));
  control.InstallReport(100, control.InstallRecord(2));
  control.InstallReport(99, control.InstallRecord(1));
  control.InstallReport(100, control.InstallRecord(1));
  EXPECT_EQ(log.Take(), (std::vector<Message>{{WM_INSTALL_PROGRESS, 16},
                                              {WM_INSTALL_PROGRESS, 26},
                                              {WM_INSTALL_PROGRESS, 50},
                                              {WM_INSTALL_PROGRESS, 66},
                                              {WM_INSTALL_PROGRESS, 89},
                                              {WM_INSTALL_PROGRESS, 99},
                                              {WM_INSTALL_DONE, 100}}));
}

TEST_F(ControlTest, CompletionIsAnnouncedOncePerRun) {
  control.AddPackage(PKG_OTHER, "x.exe", 1000);
  auto install = control.InstallRecord(0);
  control.DownloadReport(100, control.DownloadRecord(0));
  control.InstallReport(100, install);
  control.InstallReport(100, install);
  EXPECT_EQ(log.Take(),
            (std::vector<Message>{
                {WM_INSTALL_PROGRESS, 50}, {WM_INSTALL_DONE, 100}, {WM_INSTALL_PROGRESS, 100}}));
}

TEST_F(ControlTest, ARetriedDownloadNeverLowersThePercentage) {
  control.AddPackage(PKG_OTHER, "x.exe", 1000000);
  auto attempt = control.DownloadRecord(0);
  control.DownloadReport(60, attempt);
  control.DownloadReport(-1, attempt);
  auto retry = std::make_shared<DownInfo>(*attempt);
  retry->done = 0;
  control.DownloadReport(10, retry);
  control.DownloadReport(70, retry);
  EXPECT_EQ(log.Take(), (std::vector<Message>{{WM_INSTALL_PROGRESS, 30},
                                              {WM_INSTALL_PROGRESS, 30},
                                              {WM_INSTALL_PROGRESS, 30},
                                              {WM_INSTALL_PROGRESS, 35}}));
}

TEST_F(ControlTest, PackagesOfOneKindKeepTheirOwnProgress) {
  control.AddPackage(PKG_OTHER, "one.exe", 1000);
  control.AddPackage(PKG_OTHER, "two.exe", 3000);
  control.DownloadReport(100, control.DownloadRecord(0));
  control.DownloadReport(100, control.DownloadRecord(1));
  control.InstallReport(100, control.InstallRecord(1));
  control.InstallReport(100, control.InstallRecord(0));
  EXPECT_EQ(log.Take(), (std::vector<Message>{{WM_INSTALL_PROGRESS, 12},
                                              {WM_INSTALL_PROGRESS, 50},
                                              {WM_INSTALL_PROGRESS, 87},
                                              {WM_INSTALL_DONE, 100}}));
}

TEST_F(ControlTest, FinishedDownloadsGoToTheirInstaller) {
  control.AddPackage(PKG_OTHER, "one.exe", 1000);
  control.AddPackage(PKG_OTHER, "two.exe", 1000);
  control.AddPackage(PKG_INSTALLER, "setup.exe", 1000);
  control.installer.Start();

  // The product's setup starts the second installer at once, while prerequisites wait.
  control.DownloadReport(100, control.DownloadRecord(2));
  EXPECT_EQ(control.StartedInstalls(1), (std::vector<std::string>{"C:\\Temp\\setup.exe"}));

  // Each finished download hands over its own package, whatever its kind shares with others.
  control.DownloadReport(100, control.DownloadRecord(1));
  control.DownloadReport(100, control.DownloadRecord(0));
  const auto started = control.StartedInstalls(3);
  ASSERT_EQ(started.size(), 3u);
  EXPECT_EQ(started[1], "C:\\Temp\\two.exe");
  EXPECT_EQ(started[2], "C:\\Temp\\one.exe");
}

TEST_F(ControlTest, ReportsWithoutARecordOrOfUnknownTypeAreIgnored) {
  control.AddPackage(PKG_OTHER, "x.exe", 1000);
  ControlInfo unknown{1, 100, control.DownloadRecord(0)};
  control.ProcessTask(unknown);
  ControlInfo empty{CONTROL_DOWNLOAD_PROGRESS, 100, {}};
  control.ProcessTask(empty);
  EXPECT_TRUE(log.Take().empty());
}

}  // namespace
