#include "shell/tip_messages.h"

#include "shell/tip_wnd.h"
#include "shell/window_styles.h"

namespace {

int RunTip(platform::WindowHandle owner, const wchar_t* layout, const wchar_t* title,
           const std::wstring& text) {
  CTipWnd tip(layout);
  if (tip.Create(owner, title, kSkinnedWindowStyle, kSkinnedWindowExStyle) == nullptr) {
    return tip.Result();
  }
  tip.SetText(text);
  tip.CenterWindow();
  tip.ShowModal();
  return tip.Result();
}

}  // namespace

void ShowTipMessage(const std::wstring& text) {
  RunTip(nullptr, L"MsgWnd1.xml", L"WndTip1", text);
}

int ConfirmExit(platform::WindowHandle owner) {
  return RunTip(owner, L"MsgWnd2.xml", L"WndTip2", L"您确定要退出QuilloPDF安装过程？");
}
