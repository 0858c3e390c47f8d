// Disk space: what the installation is said to need, what the install folder's drive has
// free, and the test that blocks an installation on a drive that is too full.
#pragma once

#include <cstdint>
#include <string>

// The space the installation needs, in megabytes.
inline constexpr int kNeededSizeMb = 300;

// The total free bytes of the drive named by the first character of `folder` (that letter
// and a colon); 0 when they cannot be queried, for instance for a network path.
uint64_t FreeBytesOfFolderDrive(const std::wstring& folder);

// True when the drive `driveLetter` has more than 300 whole MiB free: at least 301 MiB.
bool CheckDiskSpace(wchar_t driveLetter);

// The available-space label: whole MiB with two decimals up to 1024 MiB ("1024.00MB"),
// GiB with two decimals above ("1.00GB").
std::wstring FormatAvailableSpace(uint64_t freeBytes);

// The needed-space label, "300MB".
std::wstring FormatNeededSpace();

// The message shown when the drive is too full, with the needed size in megabytes.
std::wstring LowDiskSpaceMessage();
