// The stand-in for the installed QuilloPDF converter: it records that it was started, with
// its command line, and ends. The record goes to "started.log" beside the program and, when
// QUILLO_STANDIN_LOG is set, to that log as well; the exit code is 0 only when every record
// was written.
#include <windows.h>

#include <string>

#include "tools/standin_packages/event_log.h"

namespace {

constexpr wchar_t kStandinName[] = L"product";

// "started.log" in the program's own folder; empty when the program's path is unknown.
std::wstring LogBesideProgram() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, ARRAYSIZE(path));
  if (length == 0 || length >= ARRAYSIZE(path)) {
    return {};
  }
  std::wstring folder(path, length);
  const size_t separator = folder.find_last_of(L"\\/");
  if (separator == std::wstring::npos) {
    return {};
  }
  return folder.substr(0, separator + 1) + L"started.log";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring commandLine = GetCommandLineW();
  const std::wstring beside = LogBesideProgram();
  const bool besideWritten =
      !beside.empty() && AppendLogLine(beside, kStandinName, L"started", commandLine);
  const bool eventWritten = RecordEvent(kStandinName, L"started", commandLine);
  return besideWritten && eventWritten ? 0 : 1;
}
