// Split with the C run-time's rules rather than CommandLineToArgvW's, which read a doubled
// quote inside quotes differently.
#include <windows.h>

#include "platform/command_line.h"
#include "platform/program_arguments.h"

namespace platform {

std::vector<std::wstring> ProgramArguments() {
  std::vector<std::wstring> arguments = SplitCommandLine(GetCommandLineW());
  if (!arguments.empty()) {
    arguments.erase(arguments.begin());
  }
  return arguments;
}

}  // namespace platform
