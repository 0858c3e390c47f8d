#include <windows.h>

#include <shlobj.h>

#include "platform/common/system_folder_picker.h"
#include "platform/win32/scoped_com_apartment.h"

namespace platform {

bool SystemPickFolder(WindowHandle owner, const std::wstring& title, uint32_t flags,
                      std::wstring& folder) {
  // The resizable dialog style needs COM on the calling thread.
  ScopedComApartment apartment;
  BROWSEINFOW info{};
  info.hwndOwner = static_cast<HWND>(owner);
  info.lpszTitle = title.c_str();
  info.ulFlags = flags;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (chosen == nullptr) {
    return false;
  }
  wchar_t path[MAX_PATH] = {};
  const bool hasPath = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!hasPath) {
    return false;
  }
  folder = path;
  return true;
}

}  // namespace platform
