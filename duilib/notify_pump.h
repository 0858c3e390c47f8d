// Routes notifications to handlers registered by control name, for windows that prefer a
// table to one Notify function.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "duilib/notify_ui.h"

namespace DuiLib {

class CNotifyPump {
 public:
  using Handler = std::function<void(TNotifyUI&)>;
  virtual ~CNotifyPump() = default;

  void AddNotifyHandler(const std::wstring& controlName, Handler handler);
  // Runs the handler registered for the sender's name; false when there is none.
  bool LoopDispatch(TNotifyUI& msg);

 private:
  std::map<std::wstring, Handler> handlers_;
};

}  // namespace DuiLib
