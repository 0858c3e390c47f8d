#include "platform/common/system_temp_directory.h"
#include "platform/files.h"
#include "platform/threading.h"

namespace platform {
namespace {

Lock& TestingLock() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* lock = new Lock;
  return *lock;
}

std::string& TestingTempDirectory() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* directory = new std::string;
  return *directory;
}

}  // namespace

std::string TempDirectory() {
  {
    ScopedLock hold(TestingLock());
    if (!TestingTempDirectory().empty()) {
      return TestingTempDirectory();
    }
  }
  return TempDirectoryFromSystem();
}

void SetTempDirectoryForTesting(const std::string& directory) {
  ScopedLock hold(TestingLock());
  TestingTempDirectory() = directory;
}

std::string RemoveTrailingBackslash(std::string path) {
  const bool driveRoot = path.size() == 3 && path[1] == ':';
  if (!path.empty() && path.back() == '\\' && !driveRoot) {
    path.pop_back();
  }
  return path;
}

}  // namespace platform
