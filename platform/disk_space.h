// Free space on the volume of a drive.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

// The total number of free bytes on the volume that `root` names (a drive letter and a
// colon, "D:"), as the system reports it: all of it, not only the part the user's disk quota
// leaves (GetDiskFreeSpaceExW). False when it cannot be queried; always false on POSIX, which
// has no drives.
bool GetDiskFreeBytes(const std::wstring& root, uint64_t& freeBytes);

using DiskFreeQuery = std::function<bool(const std::wstring& root, uint64_t& freeBytes)>;

// Answers GetDiskFreeBytes with `query` until called again with an empty function.
void SetDiskFreeSpaceForTesting(DiskFreeQuery query);

}  // namespace platform
