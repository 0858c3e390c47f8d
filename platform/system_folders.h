// Folders whose place the system decides.
#pragma once

#include <functional>
#include <string>

namespace platform {

// The folder for installed programs (CSIDL_PROGRAM_FILES, not created when missing): for a
// 32-bit program on 64-bit Windows the one for 32-bit programs. No trailing backslash.
// Empty when the system cannot tell, and always on POSIX, which has no such folder.
std::wstring ProgramFilesFolder();

// Answers ProgramFilesFolder with `query` until called again with an empty function.
void SetProgramFilesFolderForTesting(std::function<std::wstring()> query);

}  // namespace platform
