#include "install/process_runner.h"

#include <utility>

#include "platform/cancellation.h"
#include "platform/standard_output.h"
#include "platform/threading.h"

namespace {

struct CommandLineObserver {
  platform::Lock lock;
  std::function<void(const std::wstring&)> observer;
};

CommandLineObserver& Observer() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* instance = new CommandLineObserver;
  return *instance;
}

void ShowToObserver(const std::wstring& commandLine) {
  auto& observed = Observer();
  platform::ScopedLock hold(observed.lock);
  if (observed.observer) {
    observed.observer(commandLine);
  }
}

}  // namespace

void SetCommandLineObserverForTesting(std::function<void(const std::wstring&)> observer) {
  auto& observed = Observer();
  platform::ScopedLock hold(observed.lock);
  observed.observer = std::move(observer);
}

namespace {

std::wstring CommandLineOf(const wchar_t* application, const wchar_t* arguments) {
  std::wstring commandLine = arguments != nullptr ? arguments : L"";
  if (application != nullptr) {
    commandLine = application + (L" " + commandLine);
  }
  return commandLine;
}

bool Start(const std::wstring& commandLine, platform::ProcessHandle& started) {
  platform::PrintWide(L"CreateProcess:%ls\r\n", commandLine.c_str());
  ShowToObserver(commandLine);
  uint32_t lastError = 0;
  if (!platform::StartProcess(commandLine, started, lastError)) {
    platform::PrintWide(L"CreateProcess %ls error: %d\r\n", commandLine.c_str(),
                        static_cast<int>(lastError));
    return false;
  }
  return true;
}

// Waits for the process to end and writes its exit code. False when cancelled first or
// when the code cannot be read.
bool WaitAndLog(const std::wstring& commandLine, platform::ProcessHandle& started,
                uint32_t& exitCode) {
  if (platform::WaitUnlessCancelled(started.Waitable(), platform::kInfinite) ==
      platform::WaitResult::kCancelled) {
    return false;
  }
  if (!started.ReadExitCode(exitCode)) {
    return false;
  }
  LogExitCode(L"CreateProcess " + commandLine, exitCode);
  return true;
}

}  // namespace

bool RunProcess(const wchar_t* application, const wchar_t* arguments, bool wait,
                platform::ProcessHandle* process) {
  const std::wstring commandLine = CommandLineOf(application, arguments);
  platform::ProcessHandle started;
  if (!Start(commandLine, started)) {
    return false;
  }
  if (wait) {
    uint32_t exitCode = 0;
    WaitAndLog(commandLine, started, exitCode);
    return !platform::CancellationRequested();
  }
  if (process != nullptr) {
    *process = std::move(started);
  }
  return true;
}

bool RunProcessAndWait(const wchar_t* application, const wchar_t* arguments, uint32_t& exitCode) {
  const std::wstring commandLine = CommandLineOf(application, arguments);
  platform::ProcessHandle started;
  return Start(commandLine, started) && WaitAndLog(commandLine, started, exitCode);
}

std::wstring ExitCodeLine(const std::wstring& what, uint32_t exitCode) {
  return what + L" exit code: " + std::to_wstring(exitCode) + L"\r\n";
}

void LogExitCode(const std::wstring& what, uint32_t exitCode) {
  platform::PrintWide(L"%ls", ExitCodeLine(what, exitCode).c_str());
}
