#include "tools/api_standin/report_log.h"

#include <chrono>
#include <cstdio>

#include "reporting/payload_cipher.h"
#include "tools/api_standin/json_text.h"

namespace {

// The raw value of `name` in a form body, or empty when the field is missing.
std::string FormField(const std::string& body, const std::string& name) {
  size_t start = 0;
  while (start <= body.size()) {
    size_t end = body.find('&', start);
    if (end == std::string::npos) {
      end = body.size();
    }
    const std::string field = body.substr(start, end - start);
    if (field.compare(0, name.size() + 1, name + "=") == 0) {
      return field.substr(name.size() + 1);
    }
    start = end + 1;
  }
  return {};
}

}  // namespace

StepReport ParseStepReport(const std::string& body, const std::string& key) {
  StepReport report;
  report.arrivalMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
  report.channel = DecryptPayload(FormField(body, "channel"), key);
  report.version = DecryptPayload(FormField(body, "version"), key);
  report.step = DecryptPayload(FormField(body, "step"), key);
  report.mac = DecryptPayload(FormField(body, "mac"), key);
  report.body = body;
  return report;
}

std::string ToJsonLine(const StepReport& report) {
  return "{\"time_ms\":" + std::to_string(report.arrivalMs) +
         ",\"channel\":" + JsonQuote(report.channel) + ",\"version\":" + JsonQuote(report.version) +
         ",\"step\":" + JsonQuote(report.step) + ",\"mac\":" + JsonQuote(report.mac) +
         ",\"body\":" + JsonQuote(report.body) + "}\n";
}

void ReportLog::Record(const StepReport& report) {
  const std::string line = ToJsonLine(report);
  std::lock_guard<std::mutex> hold(lock_);
  lines_ += line;
  if (path_.empty()) {
    return;
  }
  if (FILE* file = std::fopen(path_.c_str(), "ab")) {
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
  }
}

std::string ReportLog::Lines() {
  std::lock_guard<std::mutex> hold(lock_);
  return lines_;
}
