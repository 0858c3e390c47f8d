#include <unistd.h>

#include <climits>

#include "platform/current_directory.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

bool ChangeCurrentDirectory(const std::wstring& path) {
  return chdir(NativePath(path).c_str()) == 0;
}

std::wstring CurrentDirectory() {
  char buffer[PATH_MAX] = {};
  if (getcwd(buffer, sizeof buffer) == nullptr) {
    return {};
  }
  return Utf8ToWide(buffer);
}

}  // namespace platform
