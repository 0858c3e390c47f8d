#include "platform/common/system_message_delivery.h"

namespace platform {

void DeliverSystemMessage(WindowHandle, uint32_t, uintptr_t, intptr_t, Delivery) {}

}  // namespace platform
