// File versions of program files: the fixed part of a Windows version resource.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The four 16-bit parts in reading order: the high and low halves of the most significant
// version word, then those of the least significant one.
struct FileVersion {
  uint16_t parts[4] = {};
};

// The file version of `path`'s version resource. False when the file carries none or it
// cannot be read (always on POSIX, where files carry no version resource).
bool ReadFileVersion(const std::wstring& path, FileVersion& version);

// The file version of the running program: its version resource on Windows, the build's
// configured version elsewhere. False when there is none.
bool ReadOwnFileVersion(FileVersion& version);

}  // namespace platform
