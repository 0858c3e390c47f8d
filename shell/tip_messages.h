// The setup's short messages, shown in skinned tip windows instead of the system's message
// box. Both run modally on the user-interface thread and return once the tip has closed.
#pragma once

#include <string>

#include "platform/window_messages.h"

// Shows `text` with one button, without an owner, centred on the screen's work area.
void ShowTipMessage(const std::wstring& text);

// Asks whether to leave the setup, centred over `owner`, which stays disabled meanwhile.
// Returns TIP_RESULT_YES, TIP_RESULT_NO or TIP_RESULT_CLOSED (tip_wnd.h).
int ConfirmExit(platform::WindowHandle owner);
