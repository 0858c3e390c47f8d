#include <windows.h>

#include "platform/named_mutex.h"

namespace platform {

NamedMutexResult CreateLifetimeMutex(const std::wstring& name) {
  // The handle is left open on purpose: the mutex must exist as long as the process does.
  const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
  const DWORD error = GetLastError();
  if (mutex == nullptr) {
    return error == ERROR_ACCESS_DENIED ? NamedMutexResult::kAlreadyExists
                                        : NamedMutexResult::kFailed;
  }
  return error == ERROR_ALREADY_EXISTS ? NamedMutexResult::kAlreadyExists
                                       : NamedMutexResult::kCreated;
}

}  // namespace platform
