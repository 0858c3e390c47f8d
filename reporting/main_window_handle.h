// The process-wide handle of the main setup window: null until the main window's
// initialisation publishes it; read by the report sender to deliver its message 1025.
#pragma once

#include "platform/window_messages.h"

platform::WindowHandle MainWindowHandle();
void SetMainWindowHandle(platform::WindowHandle window);
