#include "shell/finish_actions.h"

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_execute.h"
#include "platform/workstation_version.h"

namespace {

constexpr wchar_t kUninstallList[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr size_t kDisplayIconBufferBytes = 520;
constexpr int kFirstVersionWithElevation = 0x60;
constexpr wchar_t kElevationVerb[] = L"runas";

bool ReadProductProgram(const std::wstring& registrationName, std::wstring& program) {
  const platform::RegistryKey entry(kUninstallList + registrationName);
  return entry.IsOpen() && entry.ReadString(L"DisplayIcon", kDisplayIconBufferBytes, program);
}

}  // namespace

bool LaunchInstalledProduct(const std::wstring& registrationName) {
  std::wstring program;
  if (!ReadProductProgram(registrationName, program) || program.empty() ||
      !platform::PathExists(program)) {
    return false;
  }
  const std::wstring verb = GetOsVersionCode() >= kFirstVersionWithElevation ? kElevationVerb : L"";
  // The product opens its window as usual; a hidden start would leave the user with nothing
  // to see after pressing the start-using button.
  platform::ShellExecuteFile(program, verb, platform::kShowNormal);
  return true;
}

int GetOsVersionCode() {
  uint32_t major = 0;
  uint32_t minor = 0;
  if (!platform::GetWorkstationVersion(major, minor)) {
    return -1;
  }
  return static_cast<int>(major * 16 + minor);
}
