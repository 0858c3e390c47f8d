// The setup program's start: everything the entry point does, from recording the program's
// version to running the main window until it closes.
#pragma once

inline constexpr wchar_t kSingleInstanceMutex[] = L"quillo_trans_onlineInstall";
inline constexpr int kSkinResourceId = 101;

// Records the version, points the toolkit at `instance`, the program's folder (which also
// becomes the current directory) and the skin resource ("ZIPRES" 101), then refuses to run
// beside another copy or runs the main window modally. Returns the exit code: 0 when another
// copy is running, 1 once the main window has closed.
int RunSetup(void* instance);
