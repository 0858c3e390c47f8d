// The installer thread against real short-lived processes: reports, estimates, the early
// end of a watch, stops and destruction.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "install/process_runner.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "tests/install/fake_owner.h"
#include "tests/install/test_support.h"

namespace {

using install_test::FakeOwner;
using install_test::ScratchFolder;

constexpr uint32_t kNeverMs = 600000;  // a poll interval that no passing test waits out

InstallInfo Task(uint32_t size) {
  InstallInfo task;
  task.kind = PKG_VCREDIST2015_X86;
  task.packageFile = "C:\\temp\\vc.exe";
  task.installDir = "C:\\Program Files\\Quillo";
  task.size = size;
  return task;
}

// Starts the child with `arguments` as the package's installer.
std::function<bool(InstallInfo&, platform::ProcessHandle&)> StartsChild(std::wstring arguments) {
  return [arguments](InstallInfo&, platform::ProcessHandle& out) {
    out = install_test::StartChild(arguments);
    return out.IsValid();
  };
}

// Without a process: a single report and no wait (the poll would take ten minutes), 100 when
// the package needs no program and -1 when nothing could be started.
TEST(InstallerThreadTest, WithoutAProcessOneReportAndNoWait) {
  const std::pair<std::function<bool(InstallInfo&, platform::ProcessHandle&)>, int32_t> cases[] = {
      {[](InstallInfo&, platform::ProcessHandle&) { return false; }, -1},
      {[](InstallInfo&, platform::ProcessHandle&) -> bool { throw std::runtime_error("x"); }, -1},
      {[](InstallInfo&, platform::ProcessHandle&) { return true; }, 100},
  };
  for (const auto& [install, expected] : cases) {
    FakeOwner owner;
    owner.install = install;
    owner.Installer().SetPollIntervalForTesting(kNeverMs);
    ASSERT_TRUE(owner.Installer().Start());
    owner.Installer().Post(Task(1000000));
    ASSERT_TRUE(owner.WaitForFinal());
    const auto reports = owner.Reports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].type, CONTROL_INSTALL_PROGRESS);
    EXPECT_EQ(reports[0].value, expected);
  }
}

TEST(InstallerThreadTest, AnEndedProcessGivesOnlyTheFinalReportWhateverItsExitCode) {
  FakeOwner owner;
  owner.install = [](InstallInfo&, platform::ProcessHandle& out) {
    out = install_test::StartChild(L"sleep 0 3");
    return install_test::WaitForExit(out) == 3;
  };
  owner.Installer().SetPollIntervalForTesting(kNeverMs);
  const uint32_t before = platform::GetTickCount();
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  ASSERT_TRUE(owner.WaitForFinal());
  const auto reports = owner.Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].value, 100);
  EXPECT_LE(reports[0].stamp - before, platform::GetTickCount() - before) << "stamped on taking";
}

struct EstimateCase {
  uint32_t size;
  int installedAtPoll;                // IsPackageInstalled says yes at this poll
  std::vector<int32_t> expectedHead;  // the first progress reports
  size_t checkedIndex;                // and one report further on...
  int32_t checkedValue;               // ...with this value
};

TEST(InstallerThreadTest, EstimatesThreeHundredThousandBytesPerPoll) {
  const EstimateCase cases[] = {
      {1000000, 6, {30, 60, 90, 90, 90}, 4, 90},
      {3000000, 12, {10, 20, 30, 40, 50, 60, 70, 80, 90, 90, 90}, 10, 90},
      {300000, 4, {0, 0, 0}, 2, 0},
      {0, 3, {0, 0}, 1, 0},
      // 43,200,000 bytes at poll 144 is 86 %; the product needs 64 bits.
      {50000000, 147, {0, 1, 1, 2}, 143, 86},
      {50000000, 147, {0, 1, 1, 2}, 144, 87},
      {30000000, 103, {1, 2, 3}, 101, 99},
  };
  for (const auto& testCase : cases) {
    ScratchFolder scratch;
    const std::wstring release = scratch.WideFile("release");
    FakeOwner owner;
    owner.install = StartsChild(L"wait-for \"" + release + L"\"");
    auto polls = std::make_shared<std::atomic<int>>(0);
    owner.installed = [polls, testCase](InstallInfo&) {
      return ++*polls == testCase.installedAtPoll;
    };
    owner.Installer().SetPollIntervalForTesting(1);
    ASSERT_TRUE(owner.Installer().Start());
    owner.Installer().Post(Task(testCase.size));
    ASSERT_TRUE(owner.WaitForFinal());
    EXPECT_TRUE(install_test::ReleaseChild(release));

    const auto values = owner.Values();
    ASSERT_EQ(values.size(), static_cast<size_t>(testCase.installedAtPoll)) << testCase.size;
    EXPECT_EQ(values.back(), 100);
    EXPECT_TRUE(
        std::equal(testCase.expectedHead.begin(), testCase.expectedHead.end(), values.begin()))
        << testCase.size;
    EXPECT_EQ(values[testCase.checkedIndex], testCase.checkedValue) << testCase.size;
    for (size_t i = 0; i + 1 < values.size(); ++i) {
      EXPECT_LE(values[i], 99);
      EXPECT_LE(i == 0 ? 0 : values[i - 1], values[i]);
    }
    const auto reports = owner.Reports();
    for (const auto& report : reports) {
      EXPECT_EQ(report.record, reports[0].record) << "one report copy per task";
    }
  }
}

// The .NET setup writes its key long before it ends: 100 is reported then, but the next
// package is started only once that setup has ended, since a second installation started
// meanwhile would fail with "another installation in progress".
TEST(InstallerThreadTest, AnInstalledPackageReportsAtOnceButTheNextWaitsForItsProcess) {
  ScratchFolder scratch;
  const std::wstring marker = scratch.WideFile("ended");
  FakeOwner owner;
  std::vector<bool> endedAtStart;
  owner.install = [&](InstallInfo& task, platform::ProcessHandle& out) {
    endedAtStart.push_back(platform::PathExists(marker));
    out =
        install_test::StartChild(task.size == 1 ? L"sleep 0" : L"sleep 600 0 \"" + marker + L"\"");
    return out.IsValid();
  };
  owner.installed = [](InstallInfo&) { return true; };
  owner.Installer().SetPollIntervalForTesting(1);
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  owner.Installer().Post(Task(1));
  ASSERT_TRUE(owner.WaitForFinal());
  EXPECT_EQ(owner.Values(), std::vector<int32_t>{100});
  EXPECT_FALSE(platform::PathExists(marker)) << "reported while the setup still ran";
  ASSERT_TRUE(owner.WaitForReports(2, 10000));
  EXPECT_EQ(owner.Values(), (std::vector<int32_t>{100, 100})) << "one 100 for each";
  EXPECT_EQ(endedAtStart, (std::vector<bool>{false, true}))
      << "the next package started only after the first setup ended";
}

// Real processes that end with 1618, as msiexec does while another installation runs: the
// installer is started again after a pause, a bounded number of times.
TEST(InstallerThreadTest, AnInstallerThatFindsAnotherInstallationRunningIsStartedAgain) {
#ifndef _WIN32
  GTEST_SKIP() << "POSIX exit codes have 8 bits: no process can end with 1618";
#endif
  const struct {
    int busyRuns;
    int expectedStarts;
  } cases[] = {{1, 2}, {2, 3}, {40, 1 + static_cast<int>(CInstallerThread::kBusyRetries)}};
  for (const auto& c : cases) {
    FakeOwner owner;
    int starts = 0;
    owner.install = [&](InstallInfo&, platform::ProcessHandle& out) {
      out = install_test::StartChild(++starts <= c.busyRuns ? L"sleep 20 1618" : L"sleep 20 0");
      return out.IsValid();
    };
    owner.Installer().SetPollIntervalForTesting(5);
    owner.Installer().SetBusyPauseForTesting(1);
    ASSERT_TRUE(owner.Installer().Start());
    owner.Installer().Post(Task(100000000));
    ASSERT_TRUE(owner.WaitForFinal(30000)) << c.busyRuns;
    platform::Sleep(50);
    EXPECT_EQ(starts, c.expectedStarts) << c.busyRuns;
    const auto values = owner.Values();
    EXPECT_EQ(std::count(values.begin(), values.end(), 100), 1) << c.busyRuns;
    EXPECT_EQ(values.back(), 100);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << "the estimate never falls";
  }
}

// A stop during the pause before a new start ends the thread at once, starting nothing.
TEST(InstallerThreadTest, AStopEndsThePauseBeforeANewStart) {
#ifndef _WIN32
  GTEST_SKIP() << "POSIX exit codes have 8 bits: no process can end with 1618";
#endif
  FakeOwner owner;
  std::atomic<int> starts{0};
  owner.install = [&](InstallInfo&, platform::ProcessHandle& out) {
    ++starts;
    out = install_test::StartChild(L"sleep 0 1618");
    return out.IsValid();
  };
  owner.Installer().SetPollIntervalForTesting(5);
  owner.Installer().SetBusyPauseForTesting(60000);
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  ASSERT_TRUE(install_test::WaitUntil([&] { return starts.load() == 1; }));
  platform::Sleep(300);
  const uint32_t stopped = platform::GetTickCount();
  owner.Installer().RequestStop();
  ASSERT_TRUE(install_test::WaitUntil([&] { return !owner.Installer().IsRunning(); }, 5000));
  EXPECT_LT(platform::GetTickCount() - stopped, 2000u);
  EXPECT_EQ(starts.load(), 1);
}

TEST(ExitCodeLineTest, NamesWhatEndedAndItsCode) {
  const struct {
    const wchar_t* what;
    uint32_t code;
    const wchar_t* line;
  } cases[] = {
      {L"Install C:\\Temp\\vc.exe", 0, L"Install C:\\Temp\\vc.exe exit code: 0\r\n"},
      {L"CreateProcess msiexec.exe /i \"a.msi\" /qn", 1618,
       L"CreateProcess msiexec.exe /i \"a.msi\" /qn exit code: 1618\r\n"},
      {L"Install x", 3221225477u, L"Install x exit code: 3221225477\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExitCodeLine(c.what, c.code), c.line);
  }
}

TEST(InstallerThreadTest, ExceptionsFromTheInstalledCheckCountAsNo) {
  FakeOwner owner;
  owner.install = StartsChild(L"sleep 150");
  owner.installed = [](InstallInfo&) -> bool { throw std::runtime_error("registry"); };
  owner.Installer().SetPollIntervalForTesting(5);
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(100000000));
  ASSERT_TRUE(owner.WaitForFinal());
  const auto values = owner.Values();
  EXPECT_GE(values.size(), 2u) << "progress reports before the end";
  EXPECT_EQ(values.back(), 100);

  owner.Installer().Post(Task(1000000));  // the thread lives on for the next task
  ASSERT_TRUE(owner.WaitForReports(values.size() + 1));
}

TEST(InstallerThreadTest, ATaskEndsBeforeTheNextStarts) {
  FakeOwner owner;
  owner.install = StartsChild(L"sleep 30");
  owner.Installer().SetPollIntervalForTesting(10);
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  owner.Installer().Post(Task(1000000));
  ASSERT_TRUE(install_test::WaitUntil([&] {
    const auto values = owner.Values();
    return std::count(values.begin(), values.end(), 100) == 2;
  }));
  const auto reports = owner.Reports();
  ASSERT_NE(reports.front().record, reports.back().record);
  const auto firstEnd =
      std::find_if(reports.begin(), reports.end(), [](const auto& r) { return r.value == 100; });
  for (auto it = reports.begin(); it != firstEnd; ++it) {
    EXPECT_EQ(it->record, reports.front().record);
  }
}

TEST(InstallerThreadTest, AStopEndsTheThreadAndLeavesTheInstallerRunning) {
  ScratchFolder scratch;
  const std::wstring marker = scratch.WideFile("ended");
  FakeOwner owner;
  auto starts = std::make_shared<std::atomic<int>>(0);
  owner.install = [starts, marker](InstallInfo&, platform::ProcessHandle& out) {
    ++*starts;
    out = install_test::StartChild(L"sleep 400 0 \"" + marker + L"\"");
    return out.IsValid();
  };
  owner.Installer().SetPollIntervalForTesting(50);
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  owner.Installer().Post(Task(1000000));
  ASSERT_TRUE(owner.WaitForReports(1));
  owner.Installer().RequestStop();
  ASSERT_TRUE(install_test::WaitUntil([&] { return !owner.Installer().IsRunning(); }));
  EXPECT_FALSE(platform::PathExists(marker)) << "the thread ended while the installer ran";
  EXPECT_TRUE(install_test::WaitUntil([&] { return platform::PathExists(marker); }))
      << "the installer went on to its end";

  // Without the stop, eight polls would have reported before the installer ended, then 100.
  const auto values = owner.Values();
  EXPECT_LE(values.size(), 2u) << "at most the poll in hand reported after the stop";
  EXPECT_EQ(std::count(values.begin(), values.end(), 100), 0);
  EXPECT_EQ(starts->load(), 1) << "the queued task was not started";
}

TEST(InstallerThreadTest, DestroyingTheOwnerDuringALongPollEndsAtOnce) {
  ScratchFolder scratch;
  const std::wstring release = scratch.WideFile("release");
  platform::Event started(platform::Event::Reset::kManual);
  auto owner = std::make_unique<FakeOwner>();
  owner->install = [&](InstallInfo&, platform::ProcessHandle& out) {
    out = install_test::StartChild(L"wait-for \"" + release + L"\"");
    started.Signal();
    return out.IsValid();
  };
  owner->Installer().SetPollIntervalForTesting(kNeverMs);
  ASSERT_TRUE(owner->Installer().Start());
  owner->Installer().Post(Task(1000000));
  ASSERT_TRUE(started.Wait(10000));
  owner.reset();  // would block for the whole poll if the wait ignored cancellation
  EXPECT_TRUE(install_test::ReleaseChild(release));
}

// The one test that keeps the real 2-second poll: the process ends half-way through the
// second poll, and its end is reported then, not when that poll would have run out.
TEST(InstallerThreadTest, RealPollEndsEarlyWhenTheProcessEnds) {
  FakeOwner owner;
  owner.install = StartsChild(L"sleep 2300");
  ASSERT_TRUE(owner.Installer().Start());
  owner.Installer().Post(Task(1000000));
  ASSERT_TRUE(owner.WaitForFinal(10000));
  const auto reports = owner.Reports();
  ASSERT_EQ(owner.Values(), (std::vector<int32_t>{30, 100}));
  EXPECT_LT(reports.back().receivedMs - reports.back().stamp, 3900u);
  EXPECT_GE(reports.front().receivedMs - reports.front().stamp, 1900u);
}

}  // namespace
