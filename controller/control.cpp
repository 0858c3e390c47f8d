#include "controller/control.h"

#include <algorithm>

#include "controller/install_messages.h"
#include "controller/package_manifest.h"
#include "controller/progress_arithmetic.h"
#include "install/content_length_probe.h"
#include "platform/cancellation.h"
#include "platform/window_messages.h"

namespace {

constexpr uint32_t kDefaultPackageSize = 1000000;

uint32_t PackageSize(const DownInfo& entry) {
  if (entry.size != 0) {
    return entry.size;
  }
  uint32_t probed = 0;
  return ProbeContentLength(entry.url, probed) && probed != 0 ? probed : kDefaultPackageSize;
}

bool SameFile(const DownInfo& a, const DownInfo& b) {
  return a.localPath == b.localPath;
}
bool SameFile(const InstallInfo& a, const InstallInfo& b) {
  return a.packageFile == b.packageFile;
}

// Takes `update`'s progress into the list entry of the same file, then gives the list's
// half of the percentage: the sum of progress over the sum of sizes. The sums are 64-bit:
// two sizes above 2 GB would wrap a 32-bit sum, and a wrapped total below the bytes done
// would announce the end of the run while packages are still on their way.
template <typename Entry>
uint32_t UpdatedShare(std::vector<Entry>& list, const Entry* update) {
  uint64_t total = 0;
  uint64_t done = 0;
  for (Entry& entry : list) {
    if (update != nullptr && SameFile(entry, *update)) {
      entry.done = update->done;
    }
    total += entry.size;
    done += entry.done;
  }
  return HalfShare(done, total);
}

}  // namespace

CControl::CControl() : secondInstaller(this) {}

CControl::~CControl() {
  StopAllThreads(&secondInstaller);
}

void CControl::BeginInstall(std::string directory) {
  installDir = std::move(directory);
  Post(ControlInfo{CONTROL_START, 0, {}});
}

void CControl::ProcessTask(ControlInfo& task) {
  switch (task.type) {
    case CONTROL_START:
      StartRun();
      break;
    case CONTROL_DOWNLOAD_PROGRESS:
      if (DownInfo* record = task.DownRecord()) {
        OnDownloadReport(task.value, *record);
      }
      break;
    case CONTROL_INSTALL_PROGRESS:
      if (InstallInfo* record = task.InstallRecord()) {
        OnInstallReport(task.value, *record);
      }
      break;
    default:
      break;
  }
}

void CControl::RequestStop() {
  secondInstaller.RequestStop();
  CControlThread::RequestStop();
}

void CControl::StartRun() {
  downloadList.clear();
  installList.clear();
  // Without a package there is nothing that could ever finish the run: the window is told,
  // so that it can offer a new attempt instead of a bar that stays at 2 % for good.
  if (!FetchManifest(downloadList) || downloadList.empty()) {
    downloadList.clear();
    lastPercent = 0;
    doneSent = false;
    Notify(WM_INSTALL_FAILED, 0);
    return;
  }
  lastPercent = std::max(lastPercent, 1u);
  Notify(WM_INSTALL_PROGRESS, 1);

  lastPercent = 0;
  doneSent = false;
  for (DownInfo& entry : downloadList) {
    entry.size = PackageSize(entry);
    entry.done = 0;
    installList.push_back(InstallInfo{entry.kind, entry.localPath, installDir, entry.size, 0, 0});
    downloader.Post(entry);
  }
  lastPercent = std::max(lastPercent, 2u);
  Notify(WM_INSTALL_PROGRESS, 2);
  downloader.Start();
  installer.Start();
}

void CControl::OnDownloadReport(int32_t value, DownInfo& record) {
  record.done = DoneAfterReport(record.size, record.done, value);
  Notify(WM_INSTALL_PROGRESS, ComputePercent(&record, nullptr));
  if (value == 100) {
    HandOverToInstaller(record);
  } else if (value == -1) {
    DownloadAgain(record);
  }
}

// Queued again at once, one failure more: the downloader waits the backoff before the
// attempt, so the reports of the installers are never held up here.
void CControl::DownloadAgain(const DownInfo& failed) {
  const auto entry = std::find_if(downloadList.begin(), downloadList.end(),
                                  [&](const DownInfo& listed) { return SameFile(listed, failed); });
  DownInfo retry = failed;
  retry.done = 0;
  retry.failures = failed.failures + 1;
  if (entry != downloadList.end()) {
    entry->failures = retry.failures;
  }
  downloader.Post(retry);
}

// Entries are matched by their file, which the manifest makes unique, rather than by kind:
// with two packages of one kind, matching by kind would install only one of them and mix
// their progress, so that the run could never reach 100 %.
void CControl::HandOverToInstaller(const DownInfo& downloaded) {
  const auto match = std::find_if(
      installList.begin(), installList.end(),
      [&](const InstallInfo& entry) { return entry.packageFile == downloaded.localPath; });
  if (match == installList.end()) {
    return;
  }
  if (downloaded.kind == PKG_INSTALLER) {
    secondInstaller.Post(*match);
    secondInstaller.Start();
  } else {
    installer.Post(*match);
  }
}

void CControl::OnInstallReport(int32_t value, InstallInfo& record) {
  if (value == -1) {
    RefetchPackage(record);
  }
  record.done = DoneAfterReport(record.size, record.done, value);
  const uint32_t percent = ComputePercent(nullptr, &record);
  if (percent == 100 && !doneSent) {
    doneSent = true;
    Notify(WM_INSTALL_DONE, 100);
  } else {
    Notify(WM_INSTALL_PROGRESS, percent);
  }
}

// A package whose installer could not be started (the file has gone, an archive that does
// not extract, a program the system refuses) is as good as not downloaded: it is fetched
// again under the same backoff, where leaving it would hold the run below 100 % for good.
void CControl::RefetchPackage(const InstallInfo& failed) {
  const auto entry =
      std::find_if(downloadList.begin(), downloadList.end(),
                   [&](const DownInfo& listed) { return listed.localPath == failed.packageFile; });
  if (entry != downloadList.end()) {
    DownloadAgain(*entry);
  }
}

uint32_t CControl::ComputePercent(const DownInfo* download, const InstallInfo* install) {
  const uint32_t percent =
      std::min(UpdatedShare(downloadList, download) + UpdatedShare(installList, install), 100u);
  if (percent < lastPercent) {
    return lastPercent;
  }
  lastPercent = percent;
  return percent;
}

void CControl::Notify(uint32_t message, uint32_t percent) {
  platform::SendWindowMessage(notifyWindow, message, percent, 0, platform::Delivery::kNoWait);
}
