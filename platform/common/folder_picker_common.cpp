#include "platform/common/system_folder_picker.h"
#include "platform/common/testing_override.h"
#include "platform/folder_picker.h"

namespace platform {
namespace {
TestingOverride<FolderPicker> testingPicker;
}

bool PickFolder(WindowHandle owner, const std::wstring& title, uint32_t flags,
                std::wstring& folder) {
  if (const FolderPicker picker = testingPicker.Get()) {
    return picker(owner, title, flags, folder);
  }
  return SystemPickFolder(owner, title, flags, folder);
}

void SetFolderPickerForTesting(FolderPicker picker) {
  testingPicker.Set(std::move(picker));
}

}  // namespace platform
