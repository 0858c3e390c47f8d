#include "platform/common/system_shell_execute.h"
#include "platform/common/testing_override.h"
#include "platform/shell_execute.h"

namespace platform {
namespace {
TestingOverride<ShellExecutor> testingExecutor;
}

bool ShellExecuteFile(const std::wstring& file, const std::wstring& verb, int show) {
  if (const ShellExecutor executor = testingExecutor.Get()) {
    return executor(file, verb, show);
  }
  return SystemShellExecuteFile(file, verb, show);
}

void SetShellExecuteForTesting(ShellExecutor executor) {
  testingExecutor.Set(std::move(executor));
}

}  // namespace platform
