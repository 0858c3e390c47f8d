// How large a package is, asked of its server before the download.
#pragma once

#include <cstdint>
#include <string>

// True with `length` set when the server's response to `url` announces a Content-Length
// (of any status, an error page's too); false when it announces none or cannot be reached.
// The body is never read. Blocks until the headers arrive; cancellation (platform/
// cancellation.h) ends the wait.
bool ProbeContentLength(std::string url, uint32_t& length);
