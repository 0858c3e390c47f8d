#include "tools/api_standin/api_standin.h"

#include <json/json.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>

#include "platform/clock.h"
#include "platform/detached_process.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "reporting/http_requests.h"
#include "tools/api_standin/host_path.h"

namespace {

constexpr uint32_t kStartTimeoutMs = 15000;
constexpr uint32_t kPollMs = 20;

std::string NewScratchFolder() {
  std::random_device random;
  for (;;) {
    const std::string folder = "/tmp/quillo-standin-" + std::to_string(random()) + "-" +
                               std::to_string(platform::GetTickCount());
    if (!platform::PathExists(HostPath(folder)) && platform::CreateDirectories(HostPath(folder))) {
      return folder;
    }
  }
}

int ReadPort(const std::string& portFile) {
  std::string text;
  if (!platform::ReadWholeFile(HostPath(portFile), text)) {
    return 0;
  }
  return std::atoi(text.c_str());
}

StandinReport ParseReport(const std::string& line) {
  Json::Value value;
  const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
  StandinReport report;
  if (reader->parse(line.data(), line.data() + line.size(), &value, nullptr)) {
    report.channel = value["channel"].asString();
    report.version = value["version"].asString();
    report.step = value["step"].asString();
    report.mac = value["mac"].asString();
    report.body = value["body"].asString();
  }
  return report;
}

}  // namespace

ApiStandin::ApiStandin() : scratch_(NewScratchFolder()) {}

ApiStandin::~ApiStandin() {
  if (port_ != 0) {
    std::string ignored;
    HttpGet(Url("/standin/quit"), ignored);
  }
}

std::string ApiStandin::WriteFile(const std::string& name, const std::string& bytes) {
  const std::string path = scratch_ + "/" + name;
  platform::WriteWholeFile(HostPath(path), bytes.data(), bytes.size());
  return path;
}

bool ApiStandin::Start(const std::vector<std::string>& options) {
  const std::string portFile = scratch_ + "/port";
  std::vector<std::string> arguments = {QUILLO_API_STANDIN_PROGRAM,
                                        "--port-file",
                                        portFile,
                                        "--report-log",
                                        scratch_ + "/reports.jsonl",
                                        "--idle-exit",
                                        "120",
                                        "--lifetime",
                                        "600",
                                        "--scratch-dir",
                                        scratch_};
  arguments.insert(arguments.end(), options.begin(), options.end());
  std::vector<std::wstring> wide;
  for (const std::string& argument : arguments) {
    wide.push_back(platform::Utf8ToWide(argument));
  }
  wide[0] = HostPath(arguments[0]);
  if (!platform::StartDetachedProcess(wide)) {
    return false;
  }
  for (uint32_t waited = 0; waited < kStartTimeoutMs; waited += kPollMs) {
    port_ = ReadPort(portFile);
    if (port_ != 0) {
      return true;
    }
    platform::Sleep(kPollMs);
  }
  return false;
}

std::string ApiStandin::Host() const {
  return "127.0.0.1:" + std::to_string(port_);
}

std::string ApiStandin::Url(const std::string& path) const {
  return "http://" + Host() + path;
}

std::vector<StandinReport> ApiStandin::Reports() const {
  std::string text;
  platform::ReadWholeFile(HostPath(scratch_ + "/reports.jsonl"), text);
  std::vector<StandinReport> reports;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    reports.push_back(ParseReport(line));
  }
  return reports;
}

bool ApiStandin::WaitForReports(size_t count, uint32_t timeoutMs) const {
  for (uint32_t waited = 0;; waited += kPollMs) {
    if (Reports().size() >= count) {
      return true;
    }
    if (waited >= timeoutMs) {
      return false;
    }
    platform::Sleep(kPollMs);
  }
}
