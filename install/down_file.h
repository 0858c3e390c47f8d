// The progress rules of one download: byte counts become whole percentages for the
// controller, at most one report per point gained.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/url_download.h"
#include "threads/task_records.h"

class DownFile : public platform::DownloadObserver {
 public:
  // Receives each percentage with the record it is about; false abandons the transfer.
  using ProgressSink = std::function<bool(uint32_t percent, const std::shared_ptr<DownInfo>&)>;

  DownFile(std::shared_ptr<DownInfo> reportRecord, ProgressSink sink);

  // Reports p = progress / progressMax as a whole percentage when it is at least one point
  // above the last report, clamped to 99 (the finished download reports 100 elsewhere).
  // Nothing is reported while the length is unknown (progressMax 0). Since the last report
  // is the clamped one, every call at or past the full length reports 99 again.
  bool OnProgress(uint64_t progress, uint64_t progressMax) override;

  // True once the sink has asked to abandon the transfer.
  bool Abandoned() const { return abandoned_; }

  std::shared_ptr<DownInfo> record;
  ProgressSink progressSink;
  uint32_t lastReported = 0;

 private:
  bool abandoned_ = false;
};
