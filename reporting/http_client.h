// One HTTP request over libcurl's easy interface with the program's fixed options: no
// connection reuse, 8 s to connect, 10 s for the whole transfer, no signals, the response
// body appended to the caller's string exactly as it arrives, through the proxy of the
// user's system settings (platform/proxy_settings.h). A completed transfer is a
// success whatever the HTTP status.
//
// Both requests block the calling thread; a worker that cancels its thread (see
// platform/cancellation.h) ends a transfer in progress within about a second.
#pragma once

#include <string>

struct ResponseHeader;

class HttpClient {
 public:
  explicit HttpClient(bool trace) : trace_(trace) {}

  // POSTs `body` (up to its first zero byte, sent as it is, no percent-encoding) as a form.
  // Returns the libcurl result code (0 = CURLE_OK).
  int Post(const std::string& url, const std::string& body, std::string& response) const;

  // GETs `url`. Returns the libcurl result code (0 = CURLE_OK).
  int Get(const std::string& url, std::string& response) const;

  // GETs `url` and also captures the response header `header.name` into `header`.
  int Get(const std::string& url, std::string& response, ResponseHeader& header) const;

 private:
  int Perform(const std::string& url, const std::string* body, std::string& response,
              ResponseHeader* header = nullptr) const;

  bool trace_;  // writes the exchanged headers and data to standard output
};
