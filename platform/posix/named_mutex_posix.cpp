#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/named_mutex.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime != nullptr && runtime[0] == '/' ? runtime : "/tmp";
}

// Characters that would lead out of the folder become underscores.
std::string LockFileName(const std::wstring& name) {
  std::string file = WideToUtf8(name);
  for (char& c : file) {
    c = c == '/' || c == '\\' ? '_' : c;
  }
  return "quillo-mutex-" + file + "-" + std::to_string(getuid());
}

}  // namespace

NamedMutexResult CreateLifetimeMutex(const std::wstring& name) {
  const std::string path = LockFolder() + "/" + LockFileName(name);
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    return NamedMutexResult::kFailed;
  }
  // Every open makes a lock of its own, so a second call in this process is refused too.
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
    return NamedMutexResult::kCreated;  // the descriptor stays open until the process ends
  }
  const int error = errno;
  close(fd);
  return error == EWOULDBLOCK ? NamedMutexResult::kAlreadyExists : NamedMutexResult::kFailed;
}

}  // namespace platform
