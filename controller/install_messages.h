// Messages the controller sends the main window; both are sent without waiting.
#pragma once

#include <cstdint>

// wParam: the overall percentage, 1 to 100.
inline constexpr uint32_t WM_INSTALL_PROGRESS = 1192;
// wParam: 100. Sent once per run, when everything is installed.
inline constexpr uint32_t WM_INSTALL_DONE = 1193;
