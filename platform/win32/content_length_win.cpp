#include <windows.h>
#include <wininet.h>

#include <memory>

#include "platform/content_length.h"
#include "platform/win32/cancellable_call.h"

namespace platform {
namespace {

struct ProbeOutcome {
  bool known = false;
  DWORD length = 0;
};

// The request opens and closes both handles itself, so that it can run to its end on a
// helper thread after a cancelled caller has gone.
ProbeOutcome Probe(const std::string& url) {
  ProbeOutcome outcome;
  HINTERNET client = InternetOpenA(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (client == nullptr) {
    return outcome;
  }
  HINTERNET request =
      InternetOpenUrlA(client, url.c_str(), nullptr, 0, INTERNET_FLAG_DONT_CACHE, 0);
  if (request != nullptr) {
    DWORD size = sizeof outcome.length;
    outcome.known = HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER,
                                   &outcome.length, &size, nullptr) != FALSE;
    InternetCloseHandle(request);
  }
  InternetCloseHandle(client);
  return outcome;
}

}  // namespace

bool QueryContentLength(const std::string& url, uint32_t& length) {
  auto outcome = std::make_shared<ProbeOutcome>();
  if (!RunUnlessCancelled([outcome, url] { *outcome = Probe(url); }) || !outcome->known) {
    return false;
  }
  length = outcome->length;
  return true;
}

}  // namespace platform
