// The stand-in for the .NET Framework 4 setup, started as "<file>" /quiet. Like the real
// one it registers the client profile well before it ends: it writes the Client key's
// "Version" first, works on for a while (QUILLO_STANDIN_DOTNET_MS, default 5000 ms) and
// writes the Full key's "Version" last. The setup stops waiting for this program as soon as
// it sees the Client key, so the wait's early end gets exercised.
#include <windows.h>

#include <string>

#include "tools/standin_packages/delay.h"
#include "tools/standin_packages/event_log.h"
#include "tools/standin_packages/machine_registry.h"
#include "tools/standin_packages/quiet_setup.h"

namespace {

constexpr wchar_t kStandinName[] = L"dotnet4";
constexpr wchar_t kSetupKey[] = L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\";
constexpr wchar_t kVersion[] = L"4.0.30319";
constexpr uint32_t kDefaultDurationMs = 5000;

bool WriteProfile(const wchar_t* profile) {
  const std::wstring key = std::wstring(kSetupKey) + profile;
  const bool written =
      WriteMachineTexts(key, {{L"Version", kVersion}}) && WriteMachineDword(key, L"Install", 1);
  if (written) {
    RecordEvent(kStandinName, L"wrote", profile);
  }
  return written;
}

bool Install() {
  if (!WriteProfile(L"Client")) {
    return false;
  }
  Sleep(DelayFromEnvironment(L"QUILLO_STANDIN_DOTNET_MS", kDefaultDurationMs));
  return WriteProfile(L"Full");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return RunQuietSetup(kStandinName, Install);
}
