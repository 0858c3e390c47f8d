#include "reporting/api_urls.h"

#include <mutex>

#include "build_config.h"

namespace {

// Never destroyed: the report sender may still post while the process exits.
std::mutex& HostLock() {
  static auto* lock = new std::mutex;
  return *lock;
}

std::string& HostOverride() {
  static auto* host = new std::string;
  return *host;
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
