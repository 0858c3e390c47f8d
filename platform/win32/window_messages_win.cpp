#include <windows.h>

#include "platform/common/system_message_delivery.h"

namespace platform {

void DeliverSystemMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                          Delivery delivery) {
  const auto hwnd = static_cast<HWND>(window);
  if (delivery == Delivery::kWait) {
    SendMessageW(hwnd, message, wParam, lParam);
  } else {
    SendNotifyMessageW(hwnd, message, wParam, lParam);
  }
}

}  // namespace platform
