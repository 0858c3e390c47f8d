// The stand-in for the product's own setup program, which the setup starts as
// "<file>" /S /D=<folder>. It puts the stand-in product program into the folder, takes a
// while as a real setup does (QUILLO_STANDIN_SETUP_MS, default 3000 ms), and then registers
// the product in the list of installed programs under "QuilloPDF转换器", with the program's
// full path as "DisplayIcon": that entry is how the setup finds the product to start. With
// QUILLO_STANDIN_ICON_FORM=quoted-index the value takes the form many installers write
// instead: the path in double quotes followed by ",0".
//
// Any other command line ends it with kExitInvalidCommandLine before it writes anything.
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "tools/standin_packages/command_line.h"
#include "tools/standin_packages/delay.h"
#include "tools/standin_packages/event_log.h"
#include "tools/standin_packages/exit_codes.h"
#include "tools/standin_packages/machine_registry.h"

namespace {

constexpr wchar_t kStandinName[] = L"installer";
constexpr wchar_t kRegistrationName[] = L"QuilloPDF转换器";
constexpr wchar_t kProgramName[] = L"QuilloPDF.exe";
constexpr uint32_t kDefaultDurationMs = 3000;

bool CreateFolder(const std::wstring& folder) {
  const int result = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  if (result != ERROR_SUCCESS && result != ERROR_ALREADY_EXISTS && result != ERROR_FILE_EXISTS) {
    return false;
  }
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The product program travels inside this program as the resource PRODUCT_PROGRAM.
bool WriteProductProgram(const std::wstring& path) {
  const HRSRC resource = FindResourceW(nullptr, L"PRODUCT_PROGRAM", RT_RCDATA);
  const HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  const DWORD size = resource != nullptr ? SizeofResource(nullptr, resource) : 0;
  if (bytes == nullptr || size == 0) {
    return false;
  }
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  return CloseHandle(file) && ok;
}

std::wstring DisplayIconOf(const std::wstring& program) {
  wchar_t form[32] = {};
  const DWORD length = GetEnvironmentVariableW(L"QUILLO_STANDIN_ICON_FORM", form, 32);
  if (length > 0 && length < 32 && std::wstring(form) == L"quoted-index") {
    return L"\"" + program + L"\",0";
  }
  return program;
}

bool RegisterProduct(const std::wstring& folder, const std::wstring& program) {
  return WriteMachineTexts(std::wstring(kUninstallKey) + L"\\" + kRegistrationName,
                           {{L"DisplayName", kRegistrationName},
                            {L"DisplayIcon", DisplayIconOf(program)},
                            {L"InstallLocation", folder},
                            {L"Publisher", L"Quillo"}});
}

int Fail(const wchar_t* what) {
  RecordEvent(kStandinName, L"failed", what);
  return kExitInstallFailure;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring_view arguments = ArgumentsOf(GetCommandLineW());
  std::wstring folder;
  if (!ParseSilentInstall(arguments, folder)) {
    RecordEvent(kStandinName, L"refused", arguments);
    return kExitInvalidCommandLine;
  }
  RecordEvent(kStandinName, L"start", arguments);

  const std::wstring program =
      folder + (folder.back() == L'\\' ? L"" : L"\\") + std::wstring(kProgramName);
  if (!CreateFolder(folder)) {
    return Fail(L"creating the folder");
  }
  if (!WriteProductProgram(program)) {
    return Fail(L"writing the product program");
  }
  Sleep(DelayFromEnvironment(L"QUILLO_STANDIN_SETUP_MS", kDefaultDurationMs));
  if (!RegisterProduct(folder, program)) {
    return Fail(L"registering the product");
  }
  RecordEvent(kStandinName, L"end");
  return kExitSuccess;
}
