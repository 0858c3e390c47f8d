// Step reports as the stand-in receives them: the form body is split without any
// percent-decoding (the setup sends Base64 values raw, '+', '/' and '=' included) and every
// field is deciphered with the payload key. Each report becomes one JSON line.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

struct StepReport {
  int64_t arrivalMs = 0;  // milliseconds since the Unix epoch
  std::string channel;
  std::string version;
  std::string step;
  std::string mac;
  std::string body;  // the form body exactly as it arrived
};

StepReport ParseStepReport(const std::string& body, const std::string& key);

std::string ToJsonLine(const StepReport& report);

// Appends reports to a file (when a path is given) and keeps them for /standin/reports.
class ReportLog {
 public:
  explicit ReportLog(std::string path) : path_(std::move(path)) {}
  void Record(const StepReport& report);
  std::string Lines();

 private:
  std::mutex lock_;
  std::string path_;
  std::string lines_;
};
