#include <windows.h>

#include "platform/detached_process.h"

namespace platform {
namespace {

// One argument as the C run-time's command-line parser reads it back: quoted when it holds
// a space, a tab or a quote, with backslashes doubled before a quote.
std::wstring QuoteArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

}  // namespace

bool StartDetachedProcess(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) {
    return false;
  }
  std::wstring commandLine;
  for (const std::wstring& argument : arguments) {
    commandLine += (commandLine.empty() ? L"" : L" ") + QuoteArgument(argument);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return false;
  }
  // Wine starts a Unix program without a Windows process: no process handle comes back, and
  // the thread value is no handle at all. Closing it would close whichever real handle shares
  // its upper bits (an event of another thread, say), so nothing is closed then.
  if (process.hProcess != nullptr) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return true;
}

}  // namespace platform
