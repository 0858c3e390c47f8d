// Messages the controller sends the main window; both are sent without waiting.
#pragma once

#include <cstdint>

// wParam: the overall percentage, 1 to 100.
inline constexpr uint32_t WM_INSTALL_PROGRESS = 1192;
// wParam: 100. Sent once per run, when everything is installed.
inline constexpr uint32_t WM_INSTALL_DONE = 1193;
// wParam: 0. Sent when a run ends before any download: no manifest could be fetched, read or
// deciphered, or it names no package this machine needs. A new run may follow.
inline constexpr uint32_t WM_INSTALL_FAILED = 1194;
