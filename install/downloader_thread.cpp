#include "install/downloader_thread.h"

#include <atomic>

#include "install/down_file.h"
#include "install/package_hash.h"
#include "install/retry_backoff.h"
#include "platform/cancellation.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/url_download.h"
#include "threads/control_thread.h"

namespace {

constexpr int32_t kDownloadFinished = 100;
constexpr int32_t kDownloadFailed = -1;

std::atomic<uint32_t> firstRetryDelayMs{kFirstRetryDelayMs};

}  // namespace

void CDownloaderThread::ProcessTask(DownInfo& task) {
  // After failures in a row the next attempt waits, so that a server that is down or a
  // package address that is dead is not asked twice a second for as long as the setup runs.
  const uint32_t delay = RetryDelayMs(task.failures, firstRetryDelayMs.load());
  if (delay != 0 && !WaitBeforeRetry(delay, [this] { return StopRequested(); })) {
    EndThread();
    return;
  }
  task.stamp = platform::GetTickCount();
  if (platform::PathExists(task.localPath)) {
    platform::RemoveFile(task.localPath);
  }
  auto report = std::make_shared<DownInfo>(task);
  DownFile downFile(report, [this](uint32_t percent, const std::shared_ptr<DownInfo>& record) {
    return OnDownloadProgress(percent, record);
  });
  const int32_t result = platform::DownloadUrlToFile(
      platform::NarrowToWide(task.url), platform::NarrowToWide(task.localPath), downFile);
  if (downFile.Abandoned() || platform::CancellationRequested()) {
    EndThread();
    return;
  }
  bool succeeded = result == platform::kDownloadOk;
  if (succeeded && !IsPackageIntact(task.localPath, task.sha256)) {
    // Nothing may run a file that is not the one the manifest names; the controller
    // fetches it again.
    platform::RemoveFile(task.localPath);
    succeeded = false;
  }
  PostReport(succeeded ? kDownloadFinished : kDownloadFailed, report);
}

void CDownloaderThread::SetFirstRetryDelayForTesting(uint32_t milliseconds) {
  firstRetryDelayMs.store(milliseconds);
}

bool CDownloaderThread::OnDownloadProgress(uint32_t percent,
                                           const std::shared_ptr<DownInfo>& record) {
  PostReport(static_cast<int32_t>(percent), record);
  if (StopRequested()) {
    EndThread();
    return false;
  }
  return true;
}

void CDownloaderThread::PostReport(int32_t value, const std::shared_ptr<DownInfo>& record) {
  owner->Post(ControlInfo{CONTROL_DOWNLOAD_PROGRESS, value, record});
}
