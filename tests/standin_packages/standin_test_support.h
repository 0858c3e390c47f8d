// What the stand-in package tests need of Windows under Wine: the package folder, processes
// started with an exact command line, the registry and the files the stand-ins write.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A file of the assembled package folder (target standin_packages), as a Windows path.
std::wstring PackageFile(const wchar_t* name);

// The user's temporary folder, with its trailing backslash.
std::wstring TempFolder();

// A process started with `commandLine` exactly as given, the way the setup starts its
// installers. The destructor ends a process that is still running, so a failing test never
// leaves one behind nor waits for it.
class StartedProcess {
 public:
  explicit StartedProcess(const std::wstring& commandLine);
  ~StartedProcess();
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  bool IsRunning() const;
  // The exit code once the process has ended within `timeoutMs`; nothing otherwise.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);

 private:
  HANDLE process_ = nullptr;
};

// Runs `commandLine` to its end (at most a minute) and returns its exit code; nothing when
// it could not be started or did not end in time.
std::optional<DWORD> RunToEnd(const std::wstring& commandLine);

// Sets an environment variable of this process, and so of the processes it starts, for the
// object's lifetime.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const std::wstring& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::wstring name_;
};

// A string value of HKEY_LOCAL_MACHINE\`key`; `view` is 0, KEY_WOW64_32KEY or
// KEY_WOW64_64KEY. Nothing when the key or the value is missing.
std::optional<std::wstring> ReadMachineText(const std::wstring& key, const wchar_t* name,
                                            REGSAM view = 0);
bool MachineKeyExists(const std::wstring& key, REGSAM view = 0);

// The "DisplayName" of every entry in the list of installed programs, in one view.
std::vector<std::wstring> InstalledDisplayNames(REGSAM view = 0);

// The lines of a UTF-8 text file; empty when it cannot be read.
std::vector<std::wstring> ReadLines(const std::wstring& path);

bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
