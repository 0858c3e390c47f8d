#include "shell/tip_wnd.h"

#include "duilib/button_ui.h"
#include "duilib/label_ui.h"
#include "duilib/option_ui.h"

CTipWnd::CTipWnd(std::wstring layoutFile) : skinFile(std::move(layoutFile)) {}

void CTipWnd::InitWindow() {
  noTipOpt = dynamic_cast<DuiLib::COptionUI*>(m_pm.FindControl(L"noTipOpt"));
  lblText = dynamic_cast<DuiLib::CLabelUI*>(m_pm.FindControl(L"lblText"));
  noBtn = dynamic_cast<DuiLib::CButtonUI*>(m_pm.FindControl(L"noBtn"));
  yesBtn = dynamic_cast<DuiLib::CButtonUI*>(m_pm.FindControl(L"yesBtn"));
  // The question is always asked: its "do not ask again" box is never offered.
  if (noTipOpt != nullptr) {
    noTipOpt->SetVisible(false);
  }
}

void CTipWnd::Notify(DuiLib::TNotifyUI& msg) {
  if (msg.sType == DuiLib::kNotifyClick) {
    if (msg.pSender != nullptr && msg.pSender == noBtn) {
      result = TIP_RESULT_NO;
    } else if (msg.pSender != nullptr && msg.pSender == yesBtn) {
      result = TIP_RESULT_YES;
    }
    Close(1);
  }
  WindowImplBase::Notify(msg);
}

void CTipWnd::SetText(const std::wstring& text) {
  if (lblText != nullptr) {
    lblText->SetText(text);
  }
}
