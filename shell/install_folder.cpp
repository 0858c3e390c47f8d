#include "shell/install_folder.h"

#include <cstdint>

#include "platform/folder_picker.h"
#include "platform/system_folders.h"
#include "platform/text_encoding.h"

namespace {

constexpr wchar_t kFallbackProgramFiles[] = L"C:\\Program Files";
constexpr wchar_t kPickerTitle[] = L"请选择安装路径";
// Only file-system folders can be confirmed, with an edit box, in the resizable dialog style,
// without a button for making a new folder (BIF_RETURNONLYFSDIRS | BIF_EDITBOX |
// BIF_NEWDIALOGSTYLE | BIF_UAHINT | BIF_NONEWFOLDERBUTTON).
constexpr uint32_t kPickerFlags = 0x351;

// A folder whose name changes on its way to code page 936 would install somewhere else,
// or nowhere, since the installers cannot take the replacement characters.
bool SurvivesNarrowText(const std::wstring& folder) {
  return platform::NarrowToWide(platform::WideToNarrow(folder)) == folder;
}

}  // namespace

std::wstring DefaultInstallFolder() {
  std::wstring programFiles = platform::ProgramFilesFolder();
  if (programFiles.empty()) {
    programFiles = kFallbackProgramFiles;
  }
  return programFiles + L"\\" + kProductFolderName;
}

bool BrowseInstallFolder(platform::WindowHandle owner, std::wstring& folder) {
  std::wstring picked;
  if (!platform::PickFolder(owner, kPickerTitle, kPickerFlags, picked) || picked.empty()) {
    return false;
  }
  if (picked.back() != L'\\') {
    picked += L'\\';
  }
  picked += kProductFolderName;
  if (!SurvivesNarrowText(picked)) {
    return false;
  }
  folder = picked;
  return true;
}
