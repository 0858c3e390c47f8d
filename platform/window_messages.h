// Messages to windows owned by another thread.
//
// Tests observe or redirect them by installing a sink, which then receives every message
// in place of the platform's delivery.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

using WindowHandle = void*;  // HWND on Windows

enum class Delivery {
  kNoWait,  // SendNotifyMessageW: returns at once
  kWait,    // SendMessageW: returns once the window has handled the message
};

// Sends `message` to `window`. Does nothing when `window` is null. A window that no longer
// exists makes the call return at once.
void SendWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                       Delivery delivery);

using MessageSink = std::function<void(WindowHandle window, uint32_t message, uintptr_t wParam,
                                       intptr_t lParam, Delivery delivery)>;

// Routes every later SendWindowMessage to `sink`; an empty sink restores the platform's
// delivery. Without a sink, POSIX builds drop the messages (there are no windows there).
void SetMessageSink(MessageSink sink);

}  // namespace platform
