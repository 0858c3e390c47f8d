#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/common/system_temp_directory.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

std::string NativePath(const std::wstring& path) {
  std::string native = WideToUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

namespace {
std::string NativePath(const std::string& narrowPath) {
  return platform::NativePath(NarrowToWide(narrowPath));
}
}  // namespace

bool PathExists(const std::wstring& path) {
  struct stat info {};
  return stat(NativePath(path).c_str(), &info) == 0;
}

bool PathExists(const std::string& path) {
  return PathExists(NarrowToWide(path));
}

bool RemoveFile(const std::string& path) {
  return unlink(NativePath(path).c_str()) == 0;
}

bool WriteWholeFile(const std::wstring& path, const void* data, size_t size) {
  const int fd = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
  if (fd < 0) {
    return false;
  }
  const auto* bytes = static_cast<const char*>(data);
  size_t written = 0;
  while (written < size) {
    const ssize_t step = write(fd, bytes + written, size - written);
    if (step < 0 && errno == EINTR) {
      continue;
    }
    if (step <= 0) {
      break;
    }
    written += static_cast<size_t>(step);
  }
  return close(fd) == 0 && written == size;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const int fd = open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  bytes.clear();
  char buffer[65536];
  bool ok = true;
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return ok;
}

bool CreateDirectories(const std::wstring& path) {
  const std::string native = NativePath(path);
  if (native.empty()) {
    return false;
  }
  for (size_t slash = native.find('/', 1); slash != std::string::npos;
       slash = native.find('/', slash + 1)) {
    mkdir(native.substr(0, slash).c_str(), 0755);
  }
  mkdir(native.c_str(), 0755);
  struct stat info {};
  return stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string TempDirectoryFromSystem() {
  const char* fromEnvironment = std::getenv("TMPDIR");
  std::string directory = fromEnvironment != nullptr && *fromEnvironment ? fromEnvironment : "/tmp";
  while (directory.size() > 1 && directory.back() == '/') {
    directory.pop_back();
  }
  std::string narrow = WideToNarrow(Utf8ToWide(directory)) + "\\";
  return narrow.size() < 260 ? narrow : std::string();
}

std::wstring ModuleFilePath() {
  char buffer[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) {
    return {};
  }
  std::wstring path = Utf8ToWide(std::string(buffer, static_cast<size_t>(length)));
  return path.size() < 260 ? path : std::wstring();
}

std::string ModuleFilePathNarrow() {
  std::string narrow = WideToNarrow(ModuleFilePath());
  return narrow.size() < 260 ? narrow : std::string();
}

}  // namespace platform
