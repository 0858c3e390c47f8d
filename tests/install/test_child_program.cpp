// install_test_child: a real process for the tests to start.
//   sleep MS [EXIT_CODE [MARKER]]  sleeps, writes MARKER if given, exits with EXIT_CODE
//   wait-for FILE                  exits once FILE exists, removing it (gives up after a
//                                  minute)
//   args FILE ARG...               writes each ARG on a line of its own to FILE (UTF-8)
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/program_arguments.h"
#include "platform/text_encoding.h"

namespace {

constexpr uint32_t kWaitForLimitMs = 60000;
constexpr uint32_t kWaitForStepMs = 10;

int Sleep(const std::vector<std::wstring>& arguments) {
  platform::Sleep(static_cast<uint32_t>(std::wcstoul(arguments.at(1).c_str(), nullptr, 10)));
  const int exitCode = arguments.size() > 2 ? std::wcstol(arguments[2].c_str(), nullptr, 10) : 0;
  if (arguments.size() > 3) {
    platform::WriteWholeFile(arguments[3], "done", 4);
  }
  return exitCode;
}

int WaitFor(const std::wstring& file) {
  for (uint32_t waited = 0; waited < kWaitForLimitMs; waited += kWaitForStepMs) {
    if (platform::PathExists(file)) {
      platform::RemoveFile(platform::WideToNarrow(file));
      return 0;
    }
    platform::Sleep(kWaitForStepMs);
  }
  return 1;
}

int WriteArguments(const std::vector<std::wstring>& arguments) {
  std::string lines;
  for (size_t i = 2; i < arguments.size(); ++i) {
    lines += platform::WideToUtf8(arguments[i]) + "\n";
  }
  return platform::WriteWholeFile(arguments.at(1), lines.data(), lines.size()) ? 0 : 1;
}

int Run(const std::vector<std::wstring>& arguments) {
  if (arguments.size() >= 2 && arguments[0] == L"sleep") {
    return Sleep(arguments);
  }
  if (arguments.size() == 2 && arguments[0] == L"wait-for") {
    return WaitFor(arguments[1]);
  }
  if (arguments.size() >= 2 && arguments[0] == L"args") {
    return WriteArguments(arguments);
  }
  return 2;
}

}  // namespace

int main() {
  return Run(platform::ProgramArguments());
}
