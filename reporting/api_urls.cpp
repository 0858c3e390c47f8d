#include "reporting/api_urls.h"

#include <mutex>

#include "build_config.h"

namespace {

std::mutex& HostLock() {
  static std::mutex lock;
  return lock;
}

std::string& HostOverride() {
  static std::string host;
  return host;
}

std::string ApiUrl(const char* path) {
  std::lock_guard<std::mutex> hold(HostLock());
  const std::string& host = HostOverride().empty() ? QUILLO_API_HOST : HostOverride();
  return "http://" + host + path;
}

}  // namespace

std::string ManifestUrl() {
  return ApiUrl("/api-pdf/get-zhq-package");
}

std::string StatisticsUrl() {
  return ApiUrl("/api-pdf/soft-pdf");
}

void SetApiHostForTesting(const std::string& host) {
  std::lock_guard<std::mutex> hold(HostLock());
  HostOverride() = host;
}
