#include "duilib/ui_test_driver.h"

#include "duilib/control_ui.h"

namespace DuiLib {

bool CUiTestDriver::Click(WindowImplBase& window, const std::wstring& name) {
  CPaintManagerUI& manager = window.GetPaintManager();
  manager.UpdateLayout();
  CControlUI* control = manager.FindControl(name);
  if (control == nullptr || !control->IsVisibleInTree() || control->GetPos().IsEmpty()) {
    return false;
  }
  const platform::ui::Rect& pos = control->GetPos();
  const intptr_t at =
      platform::ui::PackPoint({(pos.left + pos.right) / 2, (pos.top + pos.bottom) / 2});
  namespace msg = platform::ui::msg;
  const platform::WindowHandle handle = window.GetHWND();
  platform::ui::SendWindowMessageNow(handle, msg::kMouseMove, 0, at);
  platform::ui::SendWindowMessageNow(handle, msg::kLButtonDown, 1, at);
  platform::ui::SendWindowMessageNow(handle, msg::kLButtonUp, 0, at);
  return true;
}

void CUiTestDriver::CloseWindow(WindowImplBase& window) {
  platform::ui::PostWindowMessage(window.GetHWND(), platform::ui::msg::kClose, 0, 0);
}

void CUiTestDriver::PumpMessages() {
  platform::ui::PumpMessages();
}

void CUiTestDriver::OnModalLoop(std::function<void(WindowImplBase&)> script) {
  if (!script) {
    platform::ui::SetModalLoopHookForTesting(nullptr);
    return;
  }
  platform::ui::SetModalLoopHookForTesting([script](platform::WindowHandle handle) {
    if (auto* window = dynamic_cast<WindowImplBase*>(CWindowWnd::FromHandle(handle))) {
      script(*window);
    }
  });
}

platform::ui::Rect CUiTestDriver::WindowRect(const WindowImplBase& window) {
  return platform::ui::GetWindowRect(window.GetHWND());
}

std::unique_ptr<platform::ui::Surface> CUiTestDriver::Render(WindowImplBase& window) {
  return platform::ui::RenderWindowForTesting(window.GetHWND());
}

}  // namespace DuiLib
