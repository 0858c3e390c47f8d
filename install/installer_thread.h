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

  explicit CInstallerThread(CControlThread* taskOwner) : owner(taskOwner) {}
  ~CInstallerThread() override { StopThread(); }

  // Asks the owner to start the task's installer. Without a process: one report, 100 when
  // the owner answered yes (the package needs no program), otherwise -1.
  // Otherwise polls the process until it ends or the owner's IsPackageInstalled says yes,
  // posting the estimated percentage (at most 99) after each poll that does not end the
  // watch, then closes the handle and posts 100. The poll ends early when the process ends.
  // A stop ends the thread at the next poll, leaving the process running and posting
  // nothing further; cancellation (the worker being destroyed) does so at once.
  void ProcessTask(InstallInfo& task) override;

  const wchar_t* GetName() const override { return L"CInstallerThread"; }

  // Replaces the 2-second poll interval for this worker.
  void SetPollIntervalForTesting(uint32_t milliseconds) { pollIntervalMs_.store(milliseconds); }

  // The controller that starts the installers and receives the reports; set once by its
  // constructor.
  CControlThread* const owner;

 private:
  friend class CControlThread;

  enum class WatchEnd { kFinished, kAbandoned };

  WatchEnd WatchProcess(InstallInfo& task, platform::ProcessHandle& process,
                        const std::shared_ptr<InstallInfo>& report);
  bool StartInstaller(InstallInfo& task, platform::ProcessHandle& process);
  bool PackageAlreadyInstalled(InstallInfo& task);
  void PostReport(int32_t value, const std::shared_ptr<InstallInfo>& record);

  std::atomic<uint32_t> pollIntervalMs_{kPollIntervalMs};
};
