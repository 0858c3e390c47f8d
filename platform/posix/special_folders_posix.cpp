#include "platform/common/system_special_folders.h"

namespace platform {

std::wstring SystemProgramFilesFolder() {
  return {};
}

}  // namespace platform
