// The system's dialog for choosing a folder.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/window_messages.h"

namespace platform {

// Shows the folder picker (SHBrowseForFolderW) owned by `owner`, over the whole shell
// namespace, with `title` above the tree and the BIF_* `flags`, no folder preselected.
// Blocks until the user has answered. True, with the chosen folder's file-system path in
// `folder`, when the user confirmed a folder that has one; false when the user cancelled.
// POSIX has no picker: always false, as if cancelled.
bool PickFolder(WindowHandle owner, const std::wstring& title, uint32_t flags,
                std::wstring& folder);

using FolderPicker = std::function<bool(WindowHandle owner, const std::wstring& title,
                                        uint32_t flags, std::wstring& folder)>;

// Answers PickFolder with `picker` until called again with an empty function.
void SetFolderPickerForTesting(FolderPicker picker);

}  // namespace platform
