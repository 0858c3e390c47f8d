// The HTTP side of the stand-in: the maker's two API paths, package files, fault rules and
// a few control paths for tests, on the loopback interface only.
#pragma once

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tools/api_standin/fault_rule.h"
#include "tools/api_standin/first_requests_counter.h"
#include "tools/api_standin/manifest_signer.h"
#include "tools/api_standin/report_log.h"
#include "tools/api_standin/standin_options.h"

class StandinServer {
 public:
  explicit StandinServer(StandinOptions options);
  ~StandinServer();
  StandinServer(const StandinServer&) = delete;
  StandinServer& operator=(const StandinServer&) = delete;

  // Binds 127.0.0.1 on the configured port (an ephemeral one for 0). The port, or -1.
  int Bind();

  // Serves until /standin/quit, the idle limit or the lifetime ends it.
  void Run();

  // Ends Run and wakes every request that is waiting on purpose.
  void Stop();

 private:
  void Dispatch(const httplib::Request& request, httplib::Response& response);
  void ServeNormally(const httplib::Request& request, httplib::Response& response);
  void ServeReport(const httplib::Request& request, httplib::Response& response);
  void ServeManifest(httplib::Response& response);
  void ServePackage(const std::string& path, httplib::Response& response);
  void ServeControl(const httplib::Request& request, httplib::Response& response);
  // False when the fault ends the request before the normal answer is made.
  bool ApplyFaultBefore(size_t rule, httplib::Response& response);
  void ApplyFaultAfter(const FaultRule& rule, httplib::Response& response);
  int FindFault(const std::string& path) const;
  // Waits `milliseconds` unless the stand-in stops first; false when it stopped.
  bool WaitUnlessStopping(uint32_t milliseconds);
  void Watch();
  int64_t NowMs() const;
  // Adds the signature header when a signing key was given.
  void SignManifest(const std::string& plain, httplib::Response& response) const;
  // The bytes to serve for `path`: the file's own, or altered ones while a tamper rule
  // for it still has requests to spoil.
  std::string MaybeTampered(const std::string& path, std::string bytes);

  StandinOptions options_;
  httplib::Server server_;
  ReportLog reports_;
  std::vector<std::unique_ptr<FirstRequestsCounter>> failures_;  // one per fault rule
  std::vector<std::unique_ptr<FirstRequestsCounter>> tampered_;  // one per tamper rule
  std::unique_ptr<ManifestSigner> signer_;
  std::mutex stopLock_;
  std::condition_variable stopSignal_;
  bool stopping_ = false;
  std::atomic<int64_t> lastActivityMs_{0};
  int64_t startMs_ = 0;
};
