#include "reporting/http_requests.h"

#include <curl/curl.h>

#include <mutex>

#include "reporting/http_client.h"

namespace {

// libcurl's global init and clean-up must never run on two threads at once. libcurl counts
// them, so with each call serialised the socket layer is torn down only by the clean-up of
// the last request still running, never under an overlapping one.
// Never destroyed: the report sender may still post while the process exits.
std::mutex& GlobalStateLock() {
  static auto* lock = new std::mutex;
  return *lock;
}

class CurlGlobalScope {
 public:
  CurlGlobalScope() {
    std::lock_guard<std::mutex> hold(GlobalStateLock());
    curl_global_init(CURL_GLOBAL_WIN32);
  }
  ~CurlGlobalScope() {
    std::lock_guard<std::mutex> hold(GlobalStateLock());
    curl_global_cleanup();
  }
  CurlGlobalScope(const CurlGlobalScope&) = delete;
  CurlGlobalScope& operator=(const CurlGlobalScope&) = delete;
};

template <typename Request>
bool PerformInGlobalScope(Request request) {
  CurlGlobalScope scope;
  try {
    return request(HttpClient(false)) == CURLE_OK;
  } catch (...) {
    return false;
  }
}

}  // namespace

void KeepHttpReadyUntilExit() {
  static const bool ready = [] {
    std::lock_guard<std::mutex> hold(GlobalStateLock());
    return curl_global_init(CURL_GLOBAL_WIN32) == CURLE_OK;
  }();
  (void)ready;
}

bool HttpGet(const std::string& url, std::string& response) {
  return PerformInGlobalScope([&](const HttpClient& client) { return client.Get(url, response); });
}

bool HttpGet(const std::string& url, std::string& response, ResponseHeader& header) {
  return PerformInGlobalScope(
      [&](const HttpClient& client) { return client.Get(url, response, header); });
}

bool HttpPost(const std::string& url, const std::string& body, std::string& response) {
  return PerformInGlobalScope(
      [&](const HttpClient& client) { return client.Post(url, body, response); });
}
