// A named mutex that marks a running program, for single-instance tests.
#pragma once

#include <string>

namespace platform {

enum class NamedMutexResult {
  kCreated,        // this call made it
  kAlreadyExists,  // a holder made it first, in this process or another
  kFailed,         // the system refused for another reason
};

// Creates the mutex `name` without taking ownership and keeps it until the process ends:
// the handle is never closed, and its existence, not its ownership, is the signal. The name
// has no namespace prefix, so on Windows it lives in the local namespace of the user's logon
// session. POSIX: an exclusive lock on a file of that name in the user's runtime folder
// ($XDG_RUNTIME_DIR, else /tmp), held until the process ends.
NamedMutexResult CreateLifetimeMutex(const std::wstring& name);

}  // namespace platform
