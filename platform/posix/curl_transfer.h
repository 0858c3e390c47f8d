// libcurl transfers on the calling thread that give way to cancellation.
#pragma once

#include <curl/curl.h>

#include <memory>

namespace platform {

struct CurlEasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyDeleter>;

// A new easy handle with the options every transfer of the program shares (no signals);
// null when libcurl cannot make one.
CurlEasy NewCurlEasy();

// Runs the transfer that `easy` describes to its end. Returns CURLE_ABORTED_BY_CALLBACK at
// once when the calling thread's work is cancelled, even while the peer is silent.
CURLcode PerformUnlessCancelled(CURL* easy);

}  // namespace platform
