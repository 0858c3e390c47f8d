#include <windows.h>

#include <shellapi.h>

#include <cstdint>

#include "platform/common/system_shell_execute.h"

namespace platform {

bool SystemShellExecuteFile(const std::wstring& file, const std::wstring& verb, int show) {
  const HINSTANCE answer = ShellExecuteW(nullptr, verb.empty() ? nullptr : verb.c_str(),
                                         file.c_str(), nullptr, nullptr, show);
  return reinterpret_cast<intptr_t>(answer) > 32;
}

}  // namespace platform
