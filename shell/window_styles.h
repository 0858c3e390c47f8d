// How the setup's windows are created: visible, with a system menu (the toolkit drops the
// caption and frame bits) and the window-edge extended style.
#pragma once

#include <cstdint>

inline constexpr uint32_t kSkinnedWindowStyle = 0x10080000;  // WS_VISIBLE | WS_SYSMENU
inline constexpr uint32_t kSkinnedWindowExStyle = 0x100;     // WS_EX_WINDOWEDGE
