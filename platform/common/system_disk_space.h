// The platform's own free-space query, supplied by each platform.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

bool SystemDiskFreeBytes(const std::wstring& root, uint64_t& freeBytes);

}  // namespace platform
