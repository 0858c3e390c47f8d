#include "duilib/window_wnd.h"

namespace DuiLib {

intptr_t CWindowWnd::HandleMessage(uint32_t, uintptr_t, intptr_t) {
  wantsDefault_ = true;
  return 0;
}

CWindowWnd::~CWindowWnd() {
  if (window_ != nullptr) {
    platform::ui::DestroySkinnedWindow(window_);
  }
}

CWindowWnd* CWindowWnd::FromHandle(platform::WindowHandle window) {
  return dynamic_cast<CWindowWnd*>(platform::ui::DelegateOf(window));
}

platform::WindowHandle CWindowWnd::Create(platform::WindowHandle owner, const wchar_t* name,
                                          uint32_t style, uint32_t exStyle, int x, int y, int cx,
                                          int cy, void*) {
  if (window_ != nullptr) {
    return nullptr;
  }
  platform::ui::WindowCreateParams params;
  params.owner = owner;
  params.className = GetWindowClassName();
  params.title = name != nullptr ? name : L"";
  params.style = style;
  params.exStyle = exStyle;
  params.x = x;
  params.y = y;
  params.width = cx;
  params.height = cy;
  modalResult_ = 0;
  return platform::ui::CreateSkinnedWindow(params, this);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
  platform::ui::ShowWindow(window_, show, takeFocus);
}

int CWindowWnd::ShowModal() {
  if (window_ == nullptr) {
    return -1;
  }
  platform::ui::RunModalLoop(window_);
  return modalResult_;
}

void CWindowWnd::Close(int result) {
  if (window_ != nullptr) {
    platform::ui::PostWindowMessage(window_, platform::ui::msg::kClose,
                                    static_cast<uintptr_t>(result), 0);
  }
}

void CWindowWnd::CenterWindow() {
  platform::ui::CenterWindow(window_);
}

void CWindowWnd::ResizeClient(int width, int height) {
  const platform::ui::Rect rect = platform::ui::GetWindowRect(window_);
  platform::ui::MoveWindow(window_, {rect.left, rect.top, rect.left + width, rect.top + height},
                           true);
}

intptr_t CWindowWnd::OnWindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                     bool& handled) {
  if (message == platform::ui::msg::kClose) {
    modalResult_ = static_cast<int>(wParam);
  }
  const bool outer = wantsDefault_;
  wantsDefault_ = false;
  const intptr_t result = HandleMessage(message, wParam, lParam);
  handled = !wantsDefault_;
  wantsDefault_ = outer;
  return result;
}

void CWindowWnd::OnWindowDestroyed() {
  const platform::WindowHandle window = window_;
  window_ = nullptr;
  OnFinalMessage(window);
}

}  // namespace DuiLib
