// The downloader: fetches one package at a time into its local file and reports the
// percentage reached, then 100 or -1, to the controller that owns it.
#pragma once

#include <cstdint>
#include <memory>

#include "threads/task_records.h"
#include "threads/worker_thread.h"

class CControlThread;

class CDownloaderThread : public CWorkerThread<DownInfo> {
 public:
  explicit CDownloaderThread(CControlThread* taskOwner) : owner(taskOwner) {}
  ~CDownloaderThread() override { StopThread(); }

  // One attempt at one package: removes a leftover file, downloads, and posts the progress
  // reports and exactly one final report (100 or -1), all about one new report copy of the
  // task. Never retries; the controller resends a failed task. A stop seen at a progress
  // report abandons the transfer and ends the thread without a final report; the partial
  // file stays. Cancellation (the worker being destroyed) ends it likewise.
  // A task that failed before (`failures` > 0) first waits the backoff of retry_backoff.h;
  // a stop or cancellation during that wait ends the thread at once, without trying.
  void ProcessTask(DownInfo& task) override;

  const wchar_t* GetName() const override { return L"CDownloaderThread"; }

  // Replaces the first delay of the backoff (500 ms); later ones double it as usual.
  static void SetFirstRetryDelayForTesting(uint32_t milliseconds);

  // Posts one progress report. False when a stop was requested: the transfer is then
  // abandoned and the thread ends once ProcessTask returns.
  bool OnDownloadProgress(uint32_t percent, const std::shared_ptr<DownInfo>& record);

  // The controller that receives the reports; set once by its constructor.
  CControlThread* const owner;

 private:
  friend class CControlThread;

  void PostReport(int32_t value, const std::shared_ptr<DownInfo>& record);
};
