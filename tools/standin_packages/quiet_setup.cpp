#include "tools/standin_packages/quiet_setup.h"

#include <windows.h>

#include "tools/standin_packages/command_line.h"
#include "tools/standin_packages/event_log.h"
#include "tools/standin_packages/exit_codes.h"

int RunQuietSetup(const wchar_t* standinName, const std::function<bool()>& install) {
  const std::wstring_view arguments = ArgumentsOf(GetCommandLineW());
  if (!IsQuietSwitchOnly(arguments)) {
    RecordEvent(standinName, L"refused", arguments);
    return kExitInvalidCommandLine;
  }
  RecordEvent(standinName, L"start", arguments);
  if (!install()) {
    RecordEvent(standinName, L"failed");
    return kExitInstallFailure;
  }
  RecordEvent(standinName, L"end");
  return kExitSuccess;
}
