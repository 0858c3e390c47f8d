// The running program's command-line arguments as wide text.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments after the program name: on Windows the process's command line split as
// the C run-time splits it (command_line.h), on POSIX the argv bytes read as UTF-8.
std::vector<std::wstring> ProgramArguments();

}  // namespace platform
