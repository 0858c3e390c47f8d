#include "platform/common/system_folder_picker.h"

namespace platform {

bool SystemPickFolder(WindowHandle, const std::wstring&, uint32_t, std::wstring&) {
  return false;
}

}  // namespace platform
