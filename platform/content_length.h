// Asking a server how large a resource is without fetching it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Sends a GET for `url` without using a cache, reads the response headers and closes the
// connection before the body. True with `length` set when the response announces a
// Content-Length that reads as an unsigned 32-bit number, whatever its status; false when
// the server cannot be reached, announces no length, or the calling thread's work is
// cancelled. Blocks until the headers arrive or the connection attempt gives up.
bool QueryContentLength(const std::string& url, uint32_t& length);

}  // namespace platform
