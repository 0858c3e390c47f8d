#include "build_config.h"
#include "platform/file_version.h"

namespace platform {

bool ReadFileVersion(const std::wstring&, FileVersion&) {
  return false;
}

bool ReadOwnFileVersion(FileVersion& version) {
  version.parts[0] = QUILLO_VERSION_MAJOR;
  version.parts[1] = QUILLO_VERSION_MINOR;
  version.parts[2] = QUILLO_VERSION_PATCH;
  version.parts[3] = QUILLO_VERSION_BUILD;
  return true;
}

}  // namespace platform
