#include <windows.h>

#include <vector>

#include "platform/common/system_temp_directory.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

bool PathExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool PathExists(const std::string& path) {
  return PathExists(NarrowToWide(path));
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(NarrowToWide(path).c_str()) != FALSE;
}

bool WriteWholeFile(const std::wstring& path, const void* data, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  DWORD written = 0;
  const BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  bytes.clear();
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return ok;
}

bool CreateDirectories(const std::wstring& path) {
  if (path.empty()) {
    return false;
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  const size_t cut = path.find_last_of(L"\\/");
  if (cut != std::wstring::npos && cut > 0 && path[cut - 1] != L':') {
    CreateDirectories(path.substr(0, cut));
  }
  return CreateDirectoryW(path.c_str(), nullptr) != FALSE || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string TempDirectoryFromSystem() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  if (length == 0 || length > MAX_PATH) {
    return {};
  }
  std::string narrow = WideToNarrow(std::wstring(buffer, length));
  return narrow.size() < MAX_PATH ? narrow : std::string();
}

std::wstring ModuleFilePath() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::string ModuleFilePathNarrow() {
  std::string narrow = WideToNarrow(ModuleFilePath());
  return narrow.size() < MAX_PATH ? narrow : std::string();
}

std::string NativePath(const std::wstring& path) {
  return WideToNarrow(path);
}

}  // namespace platform
