// The stand-in for the Visual C++ 2015 x86 runtime's setup, started as "<file>" /quiet. It
// takes a moment (QUILLO_STANDIN_VCREDIST_MS, default 1000 ms) and then registers the
// runtime in the list of installed programs under the display name that the setup's
// prerequisite test searches for.
//
// When QUILLO_STANDIN_BUSY_ONCE names a file that does not exist yet, it creates that file
// and ends at once with 1618 (ERROR_INSTALL_ALREADY_RUNNING), as a Windows Installer based
// setup does while another installation runs; the next start installs as usual.
#include <windows.h>

#include "tools/standin_packages/delay.h"
#include "tools/standin_packages/event_log.h"
#include "tools/standin_packages/machine_registry.h"
#include "tools/standin_packages/quiet_setup.h"

namespace {

constexpr wchar_t kEntryKey[] = L"{E2D822DB-3740-4E3A-A3D1-9C8E90061E8B}";
constexpr uint32_t kDefaultDurationMs = 1000;

bool Install() {
  Sleep(DelayFromEnvironment(L"QUILLO_STANDIN_VCREDIST_MS", kDefaultDurationMs));
  return WriteMachineTexts(
      std::wstring(kUninstallKey) + L"\\" + kEntryKey,
      {{L"DisplayName", L"Microsoft Visual C++ 2015 x86 Minimum Runtime - 14.0.24215"},
       {L"DisplayVersion", L"14.0.24215"}});
}

constexpr int kExitInstallAlreadyRunning = 1618;

// True when this start plays the installation that found another one running.
bool FindsAnotherInstallationRunning() {
  wchar_t marker[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"QUILLO_STANDIN_BUSY_ONCE", marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return false;
  }
  const HANDLE file =
      CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;  // already there: the busy start has been played
  }
  CloseHandle(file);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (FindsAnotherInstallationRunning()) {
    RecordEvent(L"vcredist2015", L"busy");
    return kExitInstallAlreadyRunning;
  }
  return RunQuietSetup(L"vcredist2015", Install);
}
