// The process's current directory.
#pragma once

#include <string>

namespace platform {

// Makes `path` the current directory (SetCurrentDirectoryW; POSIX: chdir with backslashes
// read as slashes). False when the folder cannot be entered; nothing changes then.
bool ChangeCurrentDirectory(const std::wstring& path);

// The current directory as the system reports it (POSIX: with slashes); empty on failure.
std::wstring CurrentDirectory();

}  // namespace platform
