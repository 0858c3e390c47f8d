// A GET whose body is refused at its first byte: the headers are all that is read.
#include <limits>

#include "platform/content_length.h"
#include "platform/posix/curl_transfer.h"

namespace platform {
namespace {

constexpr long kMaxRedirects = 10;
constexpr long kConnectTimeoutSeconds = 30;

size_t RefuseBody(char*, size_t, size_t, void*) {
  return 0;
}

// The results after which the final response's headers have been read in full.
bool HeadersArrived(CURLcode result) {
  return result == CURLE_OK || result == CURLE_WRITE_ERROR || result == CURLE_PARTIAL_FILE;
}

}  // namespace

bool QueryContentLength(const std::string& url, uint32_t& length) {
  CurlEasy easy = NewCurlEasy();
  if (!easy) {
    return false;
  }
  CURL* handle = easy.get();
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
  curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, RefuseBody);
  const CURLcode result = PerformUnlessCancelled(handle);
  curl_off_t announced = -1;
  curl_easy_getinfo(handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
  curl_slist_free_all(headers);
  if (!HeadersArrived(result) || announced < 0 ||
      announced > std::numeric_limits<uint32_t>::max()) {
    return false;
  }
  length = static_cast<uint32_t>(announced);
  return true;
}

}  // namespace platform
