#include "install/installer_thread.h"

#include <algorithm>

#include "install/process_runner.h"
#include "install/retry_backoff.h"
#include "platform/cancellation.h"
#include "platform/clock.h"
#include "platform/processes.h"
#include "platform/text_encoding.h"
#include "threads/control_thread.h"

namespace {

constexpr int32_t kInstallFinished = 100;
constexpr int32_t kInstallNotStarted = -1;

// The estimated percentage after `elapsed` bytes; the previous one once the estimate is
// used up, so it never falls.
uint32_t EstimatedPercent(uint64_t elapsed, uint32_t estimate, uint32_t previous) {
  if (elapsed >= estimate) {
    return previous;
  }
  const uint64_t percent = elapsed * 100 / estimate;
  return static_cast<uint32_t>(std::min<uint64_t>(percent, kHighestRunningPercent));
}

}  // namespace

void CInstallerThread::ProcessTask(InstallInfo& task) {
  task.stamp = platform::GetTickCount();
  auto report = std::make_shared<InstallInfo>(task);
  WatchState watch;
  for (uint32_t busyRetries = 0;; ++busyRetries) {
    platform::ProcessHandle process;
    const bool accepted = StartInstaller(task, process);
    if (platform::CancellationRequested()) {
      EndThread();  // the worker is going away; a start cut short is nobody's news
      return;
    }
    if (!process.IsValid()) {
      // A yes without a process means the package needs no program: it is in place as it
      // is. Reporting that as a failure would hold the overall percentage below 100 for good.
      PostReport(accepted ? kInstallFinished : kInstallNotStarted, report);
      return;
    }
    if (WatchProcess(task, process, report, watch) == WatchEnd::kAbandoned) {
      EndThread();
      return;
    }
    uint32_t exitCode = 0;
    if (process.ReadExitCode(exitCode)) {
      LogExitCode(L"Install " + platform::NarrowToWide(task.packageFile), exitCode);
    }
    process.Close();
    // Another installation held the Windows Installer: this one never began, and may once
    // the other has ended.
    if (exitCode == kInstallerBusyExitCode && !watch.finishReported && busyRetries < kBusyRetries) {
      const uint32_t pause = RetryDelayMs(busyRetries + 1, busyPauseMs_.load());
      if (!WaitBeforeRetry(pause, [this] { return StopRequested(); })) {
        EndThread();
        return;
      }
      continue;
    }
    if (!watch.finishReported) {
      PostReport(kInstallFinished, report);
    }
    return;
  }
}

CInstallerThread::WatchEnd CInstallerThread::WatchProcess(
    InstallInfo& task, platform::ProcessHandle& process, const std::shared_ptr<InstallInfo>& report,
    WatchState& watch) {
  for (;;) {
    if (StopRequested()) {
      return WatchEnd::kAbandoned;
    }
    const auto waited = platform::WaitUnlessCancelled(process.Waitable(), pollIntervalMs_.load());
    if (waited == platform::WaitResult::kCancelled) {
      return WatchEnd::kAbandoned;
    }
    // A signalled wait also ends the watch, so a process whose exit code happens to be
    // STILL_ACTIVE is not taken for a running one.
    uint32_t exitCode = 0;
    const bool readable = process.ReadExitCode(exitCode);
    if (waited == platform::WaitResult::kSignalled ||
        (readable && exitCode != platform::kStillActive)) {
      return WatchEnd::kFinished;
    }
    if (watch.finishReported) {
      continue;
    }
    // The package may count as installed before its setup ends (the .NET setup writes its
    // key early), but the next package waits for the process all the same: a second
    // installation started meanwhile would fail with "another installation in progress".
    if (PackageAlreadyInstalled(task)) {
      watch.finishReported = true;
      PostReport(kInstallFinished, report);
      continue;
    }
    watch.elapsed += kBytesPerPoll;
    watch.percent = EstimatedPercent(watch.elapsed, task.size, watch.percent);
    PostReport(static_cast<int32_t>(watch.percent), report);
  }
}

// The controller's code runs here on this thread; nothing it throws may end the thread.
bool CInstallerThread::StartInstaller(InstallInfo& task, platform::ProcessHandle& process) {
  try {
    return owner->InstallPackage(task, process);
  } catch (...) {
    process.Close();
    return false;
  }
}

bool CInstallerThread::PackageAlreadyInstalled(InstallInfo& task) {
  try {
    return owner->IsPackageInstalled(task);
  } catch (...) {
    return false;
  }
}

void CInstallerThread::PostReport(int32_t value, const std::shared_ptr<InstallInfo>& record) {
  owner->Post(ControlInfo{CONTROL_INSTALL_PROGRESS, value, record});
}
