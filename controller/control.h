// The install controller: runs one installation from the manifest to the last install.
//
// It owns the downloader and the first installer (through CControlThread) and a second
// installer that runs only the product's own setup, so that it can proceed while
// prerequisites are still installing. It talks to the workers only through their queues and
// to the main window only through messages sent without waiting.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "install/installer_thread.h"
#include "threads/control_thread.h"

class CControl : public CControlThread {
 public:
  CControl();
  ~CControl() override;

  // Keeps `directory` (GBK text, as the window converted it) and queues the start of a run.
  // Returns at once; called on the user-interface thread.
  void BeginInstall(std::string directory);

  void ProcessTask(ControlInfo& task) override;

  // Asks the second installer, the downloader and the first installer to stop, then this one.
  void RequestStop() override;

  // Starts the installer of one package by its kind. Called on installer threads; touches no
  // member of the controller.
  bool InstallPackage(InstallInfo& task, platform::ProcessHandle& out) override;

  // For .NET 4: whether its client profile is already in place. False for every other kind.
  bool IsPackageInstalled(InstallInfo& task) override;

  // The overall percentage after a download report `download` or an install report
  // `install` (either may be null), which first updates the list entry of the same file:
  // never below the last one handed out.
  uint32_t ComputePercent(const DownInfo* download, const InstallInfo* install);

 protected:
  void StartRun();
  void OnDownloadReport(int32_t value, DownInfo& record);
  void OnInstallReport(int32_t value, InstallInfo& record);
  void HandOverToInstaller(const DownInfo& downloaded);
  void DownloadAgain(const DownInfo& failed);
  void RefetchPackage(const InstallInfo& failed);
  void Notify(uint32_t message, uint32_t percent);

  CInstallerThread secondInstaller;
  std::string installDir;
  std::vector<DownInfo> downloadList;
  std::vector<InstallInfo> installList;
  bool doneSent = false;
  uint32_t lastPercent = 0;
};
