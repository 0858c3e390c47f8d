#include "duilib/window_impl_base.h"

#include "duilib/control_ui.h"
#include "duilib/dialog_builder.h"

namespace DuiLib {

WindowImplBase::~WindowImplBase() {
  // Destroying the window here, while the controls still exist, keeps its last messages
  // away from a half-destroyed object.
  if (GetHWND() != nullptr) {
    platform::ui::DestroySkinnedWindow(GetHWND());
  }
}

intptr_t WindowImplBase::HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam) {
  if (uMsg == platform::ui::msg::kCreate) {
    return OnCreate();
  }
  intptr_t result = 0;
  if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) {
    return result;
  }
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

intptr_t WindowImplBase::OnCreate() {
  m_pm.Init(GetHWND());
  m_pm.AddPreMessageFilter(this);
  CDialogBuilder builder;
  CControlUI* root = builder.Create(GetSkinFile(), this, &m_pm);
  if (root == nullptr) {
    return -1;
  }
  m_pm.AttachDialog(root);
  m_pm.AddNotifier(this);
  const platform::ui::Size size = m_pm.GetInitSize();
  if (size.width > 0 && size.height > 0) {
    ResizeClient(size.width, size.height);
  }
  platform::ui::SetWindowShape(GetHWND(), m_pm.GetShape());
  InitWindow();
  return 0;
}

void WindowImplBase::Notify(TNotifyUI& msg) {
  LoopDispatch(msg);
  if (msg.sType == kNotifyClick && msg.pSender != nullptr &&
      msg.pSender->GetName() == L"closebtn") {
    Close();
  }
}

intptr_t WindowImplBase::MessageHandler(uint32_t, uintptr_t, intptr_t, bool& handled) {
  handled = false;
  return 0;
}

CControlUI* WindowImplBase::CreateControl(const wchar_t*) {
  return nullptr;
}

std::wstring WindowImplBase::QueryControlText(const std::wstring&, const std::wstring&) {
  return {};
}

void WindowImplBase::OnPaint(platform::ui::Surface& surface, const platform::ui::Rect& dirty) {
  m_pm.Paint(surface, dirty);
}

bool WindowImplBase::IsCaptionAt(platform::ui::Point client) {
  return m_pm.IsCaptionAt(client);
}

}  // namespace DuiLib
