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
  static CommandLineObserver instance;
  return instance;
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

bool RunProcess(const wchar_t* application, const wchar_t* arguments, bool wait,
                platform::ProcessHandle* process) {
  std::wstring commandLine = arguments != nullptr ? arguments : L"";
  if (application != nullptr) {
    commandLine = application + (L" " + commandLine);
  }
  platform::PrintWide(L"CreateProcess:%ls\r\n", commandLine.c_str());
  ShowToObserver(commandLine);
  platform::ProcessHandle started;
  uint32_t lastError = 0;
  if (!platform::StartProcess(commandLine, started, lastError)) {
    platform::PrintWide(L"CreateProcess %ls error: %d\r\n", commandLine.c_str(),
                        static_cast<int>(lastError));
    return false;
  }
  if (wait) {
    return platform::WaitUnlessCancelled(started.Waitable(), platform::kInfinite) !=
           platform::WaitResult::kCancelled;
  }
  if (process != nullptr) {
    *process = std::move(started);
  }
  return true;
}
