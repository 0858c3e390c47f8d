#include "install/content_length_probe.h"

#include "platform/content_length.h"

bool ProbeContentLength(std::string url, uint32_t& length) {
  return platform::QueryContentLength(url, length);
}
