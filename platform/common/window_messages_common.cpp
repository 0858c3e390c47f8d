#include "platform/common/system_message_delivery.h"
#include "platform/threading.h"
#include "platform/window_messages.h"

namespace platform {
namespace {

Lock& SinkLock() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* lock = new Lock;
  return *lock;
}

MessageSink& Sink() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static auto* sink = new MessageSink;
  return *sink;
}

}  // namespace

void SetMessageSink(MessageSink sink) {
  ScopedLock hold(SinkLock());
  Sink() = std::move(sink);
}

void SendWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                       Delivery delivery) {
  if (window == nullptr) {
    return;
  }
  MessageSink sink;
  {
    ScopedLock hold(SinkLock());
    sink = Sink();
  }
  if (sink) {
    sink(window, message, wParam, lParam, delivery);
    return;
  }
  DeliverSystemMessage(window, message, wParam, lParam, delivery);
}

}  // namespace platform
