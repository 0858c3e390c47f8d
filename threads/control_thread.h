// The controller's base: a worker of ControlInfo records that owns the downloader and the
// first installer and holds the window that receives progress notifications.
#pragma once

#include "install/downloader_thread.h"
#include "install/installer_thread.h"
#include "platform/processes.h"
#include "platform/window_messages.h"
#include "threads/task_records.h"
#include "threads/worker_thread.h"

class CControlThread : public CWorkerThread<ControlInfo> {
 public:
  CControlThread();
  ~CControlThread() override;

  const wchar_t* GetName() const override { return L"CControlThread"; }

  // Asks the owned workers to stop, then this one.
  void RequestStop() override;

  // Starts the installer of one package; `out` receives the process when one was started.
  // Called on installer threads.
  virtual bool InstallPackage(InstallInfo& task, platform::ProcessHandle& out) = 0;

  // Whether the package is already in place while its installer still runs. Called on
  // installer threads.
  virtual bool IsPackageInstalled(InstallInfo& task) = 0;

  // The window that receives the progress messages; set by the window before Start.
  platform::WindowHandle notifyWindow = nullptr;

 protected:
  // Ends this thread, then `secondInstaller` (a derived controller's own worker, if any),
  // the downloader and the installer, each for good. The workers call back into the
  // controller's virtual operations, so a derived controller calls this first thing in its
  // destructor, before its own members and overrides go; calling it again does nothing.
  void StopAllThreads(CInstallerThread* secondInstaller = nullptr);

  CInstallerThread installer;
  CDownloaderThread downloader;
};
