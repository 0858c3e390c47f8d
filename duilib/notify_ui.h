// Control notifications and the interface of those who receive them.
#pragma once

#include <cstdint>
#include <string>

namespace DuiLib {

class CControlUI;

// Notification types the controls send.
inline constexpr const wchar_t* kNotifyClick = L"click";
inline constexpr const wchar_t* kNotifySelectChanged = L"selectchanged";

struct TNotifyUI {
  std::wstring sType;
  CControlUI* pSender = nullptr;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void Notify(TNotifyUI& msg) = 0;
};

}  // namespace DuiLib
