// The install folder: its default and the user's choice of another one. The product's own
// folder name is always its last component.
#pragma once

#include <string>

#include "platform/window_messages.h"

inline constexpr wchar_t kProductFolderName[] = L"QuilloPDF";

// The program-files folder, a backslash and the product folder name. When the system
// cannot name the program-files folder, "C:\Program Files" stands in for it.
std::wstring DefaultInstallFolder();

// Lets the user pick a folder in the system's folder picker, owned by `owner`. True with
// the picked folder plus a backslash (unless it already ends in one) and the product folder
// name; false when the user cancelled, or picked a folder whose name cannot be handed to the
// installers (they take their folder as code page 936 text).
bool BrowseInstallFolder(platform::WindowHandle owner, std::wstring& folder);
