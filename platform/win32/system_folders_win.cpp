#include <windows.h>

#include <shlobj.h>

#include "platform/common/system_folder_queries.h"

namespace platform {

std::wstring SystemProgramFilesFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, folder, CSIDL_PROGRAM_FILES, FALSE)) {
    return {};
  }
  return folder;
}

}  // namespace platform
