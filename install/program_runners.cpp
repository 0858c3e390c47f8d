#include "install/program_runners.h"

#include "install/process_runner.h"
#include "platform/text_encoding.h"

namespace {

bool RunWithoutWaiting(const std::string& application, const std::string& arguments,
                       platform::ProcessHandle& process) {
  const std::wstring wideApplication = platform::NarrowToWide(application);
  const std::wstring wideArguments = platform::NarrowToWide(arguments);
  return RunProcess(wideApplication.c_str(), wideArguments.c_str(), false, &process);
}

}  // namespace

bool RunProgram(const std::string& program, const std::string& arguments,
                platform::ProcessHandle& process, bool throughInterpreter) {
  if (throughInterpreter) {
    return RunWithoutWaiting("cmd.exe", "/c \"" + program + "\" " + arguments, process);
  }
  return RunWithoutWaiting("\"" + program + "\"", arguments, process);
}

bool RunMsiInstall(const std::string& package, const std::string& arguments,
                   platform::ProcessHandle& process) {
  return RunWithoutWaiting("msiexec.exe", "/i \"" + package + "\" " + arguments, process);
}
