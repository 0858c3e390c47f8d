#include "tools/standin_packages/event_log.h"

#include <windows.h>

#include <cstdio>

namespace {

std::wstring UtcTimestamp() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  wchar_t text[32];
  std::swprintf(text, ARRAYSIZE(text), L"%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", now.wYear,
                now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  return text;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace

bool AppendLogLine(const std::wstring& path, std::wstring_view standin, std::wstring_view event,
                   std::wstring_view detail) {
  std::wstring line = UtcTimestamp();
  line.append(L" ").append(standin).append(L" ").append(event);
  if (!detail.empty()) {
    line.append(L" ").append(detail);
  }
  line.append(L"\r\n");
  const std::string bytes = ToUtf8(line);

  // Append-only access makes every write land at the end of the file, whoever else writes.
  const HANDLE file =
      CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool RecordEvent(std::wstring_view standin, std::wstring_view event, std::wstring_view detail) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(kEventLogVariable, path, ARRAYSIZE(path));
  if (length == 0) {
    return true;
  }
  if (length >= ARRAYSIZE(path)) {
    return false;
  }
  return AppendLogLine(path, standin, event, detail);
}
