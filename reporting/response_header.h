// Picks one header out of an HTTP response as libcurl hands the header lines over.
#pragma once

#include <cstddef>
#include <string>

struct ResponseHeader {
  std::string name;   // matched without regard to letter case
  std::string value;  // the value of the last line with that name, without surrounding blanks
  bool found = false;
};

// A libcurl header callback (CURLOPT_HEADERFUNCTION) whose user data is a ResponseHeader.
size_t CaptureResponseHeader(char* data, size_t size, size_t count, void* header);
