#include <windows.h>

#include <vector>

#include "platform/environment.h"

namespace platform {

std::wstring ExpandEnvironmentVariables(const std::wstring& text) {
  // The needed size includes the terminator; a variable may change between the two calls,
  // so the second call is checked too.
  DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  for (int attempt = 0; attempt < 3 && needed != 0; ++attempt) {
    std::vector<wchar_t> buffer(needed);
    const DWORD written = ExpandEnvironmentStringsW(text.c_str(), buffer.data(), needed);
    if (written != 0 && written <= needed) {
      return std::wstring(buffer.data());
    }
    needed = written;
  }
  return text;
}

}  // namespace platform
