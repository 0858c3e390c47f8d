#include "tools/standin_packages/delay.h"

#include <windows.h>

uint32_t ParseDelayMs(std::wstring_view text, uint32_t fallback) {
  if (text.empty()) {
    return fallback;
  }
  uint64_t value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') {
      return fallback;
    }
    value = value * 10 + static_cast<uint64_t>(c - L'0');
    if (value > kLongestDelayMs) {
      return fallback;
    }
  }
  return static_cast<uint32_t>(value);
}

uint32_t DelayFromEnvironment(const wchar_t* name, uint32_t fallback) {
  wchar_t text[32] = {};
  const DWORD length = GetEnvironmentVariableW(name, text, ARRAYSIZE(text));
  if (length == 0 || length >= ARRAYSIZE(text)) {
    return fallback;  // unset, or too long to be a delay this program accepts
  }
  return ParseDelayMs(std::wstring_view(text, length), fallback);
}
