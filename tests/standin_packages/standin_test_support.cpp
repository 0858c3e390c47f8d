#include "tests/standin_packages/standin_test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/standin_packages/machine_registry.h"

namespace {

std::wstring FromUtf8(const std::string& bytes) {
  if (bytes.empty()) {
    return {};
  }
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                      length);
  return text;
}

}  // namespace

std::wstring PackageFile(const wchar_t* name) {
  std::wstring path = L"Z:" + FromUtf8(STANDIN_PACKAGES_DIR) + L"\\" + name;
  for (wchar_t& c : path) {
    if (c == L'/') {
      c = L'\\';
    }
  }
  return path;
}

std::wstring TempFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(ARRAYSIZE(path), path);
  return std::wstring(path, length);
}

StartedProcess::StartedProcess(const std::wstring& commandLine) {
  std::wstring writable = commandLine;  // CreateProcessW may write into the command line
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started = {};
  if (CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &started)) {
    CloseHandle(started.hThread);
    process_ = started.hProcess;
  }
}

StartedProcess::~StartedProcess() {
  if (process_ != nullptr) {
    if (IsRunning()) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
}

bool StartedProcess::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> StartedProcess::WaitForExit(DWORD timeoutMs) {
  DWORD code = 0;
  if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process_, &code)) {
    return std::nullopt;
  }
  return code;
}

std::optional<DWORD> RunToEnd(const std::wstring& commandLine) {
  StartedProcess process(commandLine);
  return process.WaitForExit(60000);
}

ScopedEnvironment::ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
  SetEnvironmentVariableW(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
  SetEnvironmentVariableW(name_.c_str(), nullptr);
}

std::optional<std::wstring> ReadMachineText(const std::wstring& key, const wchar_t* name,
                                            REGSAM view) {
  const MachineKey opened = MachineKey::Open(key, view);
  wchar_t text[1024] = {};
  DWORD bytes = sizeof(text) - sizeof(wchar_t);  // keeps a terminating zero
  DWORD type = 0;
  if (opened.Get() == nullptr ||
      RegQueryValueExW(opened.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  return std::wstring(text);
}

bool MachineKeyExists(const std::wstring& key, REGSAM view) {
  return MachineKey::Open(key, view).Get() != nullptr;
}

std::vector<std::wstring> InstalledDisplayNames(REGSAM view) {
  std::vector<std::wstring> names;
  const MachineKey uninstall = MachineKey::Open(kUninstallKey, view);
  if (uninstall.Get() == nullptr) {
    return names;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t subkey[260];
    DWORD length = ARRAYSIZE(subkey);
    if (RegEnumKeyExW(uninstall.Get(), index, subkey, &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS) {
      break;
    }
    if (auto name =
            ReadMachineText(std::wstring(kUninstallKey) + L"\\" + subkey, L"DisplayName", view)) {
      names.push_back(*name);
    }
  }
  return names;
}

std::vector<std::wstring> ReadLines(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::wstring> lines;
  std::wistringstream text(FromUtf8(bytes));
  for (std::wstring line; std::getline(text, line);) {
    if (!line.empty() && line.back() == L'\r') {
      line.pop_back();
    }
    lines.push_back(line);
  }
  return lines;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
