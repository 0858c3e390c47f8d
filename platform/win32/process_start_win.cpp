#include <windows.h>

#include <vector>

#include "platform/processes.h"

namespace platform {

bool StartProcess(const std::wstring& commandLine, ProcessHandle& process, uint32_t& lastError) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
  writable.push_back(L'\0');
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started)) {
    lastError = GetLastError();
    return false;
  }
  CloseHandle(started.hThread);
  process = ProcessHandle(started.hProcess);
  return true;
}

}  // namespace platform
