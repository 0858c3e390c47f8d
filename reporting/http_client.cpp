#include "reporting/http_client.h"

#include <curl/curl.h>

#include <cstdio>
#include <new>

#include "platform/cancellation.h"
#include "platform/proxy_settings.h"
#include "reporting/response_header.h"

namespace {

constexpr long kConnectTimeoutSeconds = 8;
constexpr long kTransferTimeoutSeconds = 10;

size_t AppendToResponse(char* data, size_t size, size_t count, void* destination) {
  if (data == nullptr || destination == nullptr) {
    return static_cast<size_t>(-1);  // libcurl ends the transfer with a write error
  }
  try {
    static_cast<std::string*>(destination)->append(data, size * count);
  } catch (const std::bad_alloc&) {
    return 0;  // an exception must not unwind through libcurl
  }
  return size * count;
}

int Trace(CURL*, curl_infotype type, char* data, size_t size, void*) {
  const char* label = nullptr;
  switch (type) {
    case CURLINFO_HEADER_IN:
      label = "[HEADER_IN]";
      break;
    case CURLINFO_HEADER_OUT:
      label = "[HEADER_OUT]";
      break;
    case CURLINFO_DATA_IN:
      label = "[DATA_IN]";
      break;
    case CURLINFO_DATA_OUT:
      label = "[DATA_OUT]";
      break;
    default:
      return 0;
  }
  std::printf("%s%.*s\n", label, static_cast<int>(size), data);
  return 0;
}

// Called by libcurl about once a second and whenever data moves; a non-zero answer aborts
// the transfer.
int AbortWhenCancelled(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return platform::CancellationRequested() ? 1 : 0;
}

}  // namespace

int HttpClient::Post(const std::string& url, const std::string& body, std::string& response) const {
  return Perform(url, &body, response);
}

int HttpClient::Get(const std::string& url, std::string& response) const {
  return Perform(url, nullptr, response);
}

int HttpClient::Get(const std::string& url, std::string& response, ResponseHeader& header) const {
  return Perform(url, nullptr, response, &header);
}

int HttpClient::Perform(const std::string& url, const std::string* body, std::string& response,
                        ResponseHeader* header) const {
  CURL* curl = curl_easy_init();
  if (curl == nullptr) {
    return CURLE_FAILED_INIT;
  }
  if (trace_) {
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, Trace);
  }
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  // The proxy the user's system settings name, as the downloader's urlmon uses it; where
  // the settings say none, directly.
  const platform::HttpProxy proxy = platform::CurrentUserHttpProxy();
  if (proxy.known) {
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy.server.c_str());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, proxy.bypass.c_str());
  }
  if (body != nullptr) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->c_str());
  }
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, nullptr);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendToResponse);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response);
  if (header != nullptr) {
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, CaptureResponseHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, header);
  }
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTransferTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, AbortWhenCancelled);
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  return result;
}
