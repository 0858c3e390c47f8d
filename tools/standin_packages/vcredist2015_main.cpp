// The stand-in for the Visual C++ 2015 x86 runtime's setup, started as "<file>" /quiet. It
// takes a moment (QUILLO_STANDIN_VCREDIST_MS, default 1000 ms) and then registers the
// runtime in the list of installed programs under the display name that the setup's
// prerequisite test searches for.
#include <windows.h>

#include "tools/standin_packages/delay.h"
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return RunQuietSetup(L"vcredist2015", Install);
}
