// The platform's own message delivery, supplied by each platform.
#pragma once

#include "platform/window_messages.h"

namespace platform {

void DeliverSystemMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                          Delivery delivery);

}  // namespace platform
