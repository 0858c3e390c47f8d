#include "shell/finish_actions.h"

#include "platform/environment.h"
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

std::wstring IconTextTrimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// A trailing ",N" or ",-N" is an icon index, not part of the file name (a comma elsewhere
// in a path is).
std::wstring WithoutIconIndex(const std::wstring& text) {
  const size_t comma = text.rfind(L',');
  if (comma == std::wstring::npos) {
    return text;
  }
  const std::wstring index = IconTextTrimmed(text.substr(comma + 1));
  const size_t digits = !index.empty() && index[0] == L'-' ? 1 : 0;
  if (index.size() == digits ||
      index.find_first_not_of(L"0123456789", digits) != std::wstring::npos) {
    return text;
  }
  return IconTextTrimmed(text.substr(0, comma));
}

}  // namespace

std::wstring ProgramOfDisplayIcon(const std::wstring& value) {
  std::wstring program = IconTextTrimmed(value);
  if (!program.empty() && program[0] == L'"') {
    const size_t close = program.find(L'"', 1);
    program = program.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
  } else {
    program = WithoutIconIndex(program);
  }
  return platform::ExpandEnvironmentVariables(program);
}

bool LaunchInstalledProduct(const std::wstring& registrationName) {
  std::wstring value;
  if (!ReadProductProgram(registrationName, value)) {
    return false;
  }
  const std::wstring program = ProgramOfDisplayIcon(value);
  if (program.empty() || !platform::PathExists(program)) {
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
