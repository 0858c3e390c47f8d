// An installer thread: has the controller start one package's installer at a time, watches
// the process and reports an estimated percentage, then 100 (or -1 when nothing started).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/processes.h"
#include "threads/task_records.h"
#include "threads/worker_thread.h"

class CControlThread;

class CInstallerThread : public CWorkerThread<InstallInfo> {
 public:
  // The estimate: bytes of package counted as installed per poll.
  static constexpr uint32_t kBytesPerPoll = 300000;
  static constexpr uint32_t kPollIntervalMs = 2000;
  // ERROR_INSTALL_ALREADY_RUNNING: another installation held the Windows Installer.
  static constexpr uint32_t kInstallerBusyExitCode = 1618;
  // An installer that ends with that code is started again this many times at most, after
  // pauses that double from kFirstBusyPauseMs up to 30 s (about two and a half minutes).
  static constexpr uint32_t kBusyRetries = 10;
  static constexpr uint32_t kFirstBusyPauseMs = 500;

  explicit CInstallerThread(CControlThread* taskOwner) : owner(taskOwner) {}
  ~CInstallerThread() override { StopThread(); }

  // Asks the owner to start the task's installer. Without a process: one report, 100 when
  // the owner answered yes (the package needs no program), otherwise -1.
  // Otherwise polls the process until it ends, posting the estimated percentage (at most 99)
  // after each poll, then writes its exit code, closes the handle and posts 100. The poll
  // ends early when the process ends. When the owner's IsPackageInstalled says yes first,
  // 100 is posted then, and the thread still waits for the process to end (silently) before
  // it takes the next task. A process that ends with kInstallerBusyExitCode before any 100
  // is started again after a pause, up to kBusyRetries times; its estimate goes on rising.
  // A stop ends the thread at the next poll or during a pause, leaving the process running
  // and posting nothing further; cancellation (the worker being destroyed) does so at once.
  void ProcessTask(InstallInfo& task) override;

  const wchar_t* GetName() const override { return L"CInstallerThread"; }

  // Replaces the 2-second poll interval for this worker.
  void SetPollIntervalForTesting(uint32_t milliseconds) { pollIntervalMs_.store(milliseconds); }

  // Replaces the first pause before an installer that found another installation running is
  // started again.
  void SetBusyPauseForTesting(uint32_t milliseconds) { busyPauseMs_.store(milliseconds); }

  // The controller that starts the installers and receives the reports; set once by its
  // constructor.
  CControlThread* const owner;

 private:
  friend class CControlThread;

  enum class WatchEnd { kFinished, kAbandoned };

  // What the watch of one task has counted so far, across the starts of its installer.
  struct WatchState {
    uint64_t elapsed = 0;  // 64 bits: a process that runs for days cannot wrap it
    uint32_t percent = 0;
    bool finishReported = false;
  };

  WatchEnd WatchProcess(InstallInfo& task, platform::ProcessHandle& process,
                        const std::shared_ptr<InstallInfo>& report, WatchState& watch);
  bool StartInstaller(InstallInfo& task, platform::ProcessHandle& process);
  bool PackageAlreadyInstalled(InstallInfo& task);
  void PostReport(int32_t value, const std::shared_ptr<InstallInfo>& record);

  std::atomic<uint32_t> pollIntervalMs_{kPollIntervalMs};
  std::atomic<uint32_t> busyPauseMs_{kFirstBusyPauseMs};
};
