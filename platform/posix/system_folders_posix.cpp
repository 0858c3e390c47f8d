#include "platform/common/system_folder_queries.h"

namespace platform {

std::wstring SystemProgramFilesFolder() {
  return {};
}

}  // namespace platform
