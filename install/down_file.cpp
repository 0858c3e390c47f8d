#include "install/down_file.h"

#include <algorithm>
#include <utility>

DownFile::DownFile(std::shared_ptr<DownInfo> reportRecord, ProgressSink sink)
    : record(std::move(reportRecord)), progressSink(std::move(sink)) {}

bool DownFile::OnProgress(uint64_t progress, uint64_t progressMax) {
  if (progressMax == 0 || abandoned_) {
    return !abandoned_;
  }
  // Double precision and 64-bit counts: large files can neither overflow nor wrap here.
  const double share = static_cast<double>(progress) / static_cast<double>(progressMax) * 100.0;
  const auto percent = static_cast<uint64_t>(share);
  if (percent < static_cast<uint64_t>(lastReported) + 1) {
    return true;
  }
  lastReported = static_cast<uint32_t>(std::min<uint64_t>(percent, kHighestRunningPercent));
  if (progressSink && !progressSink(lastReported, record)) {
    abandoned_ = true;
  }
  return !abandoned_;
}
