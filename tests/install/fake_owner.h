// A controller for the worker tests: records every report its workers post and lets a test
// decide how packages are started and whether they count as installed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/threading.h"
#include "threads/control_thread.h"

namespace install_test {

struct Report {
  int32_t type = 0;
  int32_t value = 0;
  const void* record = nullptr;  // which report copy it was about
  uint32_t stamp = 0;            // the record's stamp
  uint32_t receivedMs = 0;       // tick count when the controller handled it
};

class FakeOwner : public CControlThread {
 public:
  FakeOwner();
  ~FakeOwner() override;

  void ProcessTask(ControlInfo& report) override;
  bool InstallPackage(InstallInfo& task, platform::ProcessHandle& out) override;
  bool IsPackageInstalled(InstallInfo& task) override;

  CInstallerThread& Installer() { return installer; }
  CDownloaderThread& Downloader() { return downloader; }

  std::vector<Report> Reports();
  std::vector<ControlInfo::Record> Records();
  std::vector<int32_t> Values();

  // Waits until `count` reports have arrived; false after `timeoutMs`.
  bool WaitForReports(size_t count, uint32_t timeoutMs = 10000);

  // Waits for a final report (100 or -1); false after `timeoutMs`.
  bool WaitForFinal(uint32_t timeoutMs = 10000);

  // Set before posting a task; they run on the worker's thread.
  std::function<bool(InstallInfo&, platform::ProcessHandle&)> install;
  std::function<bool(InstallInfo&)> installed;
  // Called on the controller's thread with each report as it arrives.
  std::function<void(const Report&)> onReport;

 private:
  platform::Lock lock_;
  std::vector<Report> reports_;
  std::vector<ControlInfo::Record> records_;  // kept so that addresses stay unique
  platform::Event arrived_{platform::Event::Reset::kAuto};
};

}  // namespace install_test
