#include <windows.h>

#include <vector>

#include "platform/crypto.h"

namespace platform {

bool Sha256OfFile(const std::wstring& path, Sha256Digest& digest) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  Sha256 hash;
  std::vector<char> buffer(64 * 1024);
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) !=
               FALSE) &&
         got > 0) {
    if (!hash.Update(buffer.data(), got)) {
      ok = false;
      break;
    }
  }
  CloseHandle(file);
  return ok && hash.Finish(digest);
}

}  // namespace platform
