#include "duilib/notify_pump.h"

#include "duilib/control_ui.h"

namespace DuiLib {

void CNotifyPump::AddNotifyHandler(const std::wstring& controlName, Handler handler) {
  handlers_[controlName] = std::move(handler);
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
  if (msg.pSender == nullptr) {
    return false;
  }
  const auto found = handlers_.find(msg.pSender->GetName());
  if (found == handlers_.end()) {
    return false;
  }
  found->second(msg);
  return true;
}

}  // namespace DuiLib
