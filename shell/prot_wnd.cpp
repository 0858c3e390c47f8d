#include "shell/prot_wnd.h"

#include "duilib/button_ui.h"
#include "duilib/rich_edit_ui.h"
#include "shell/agreement_text.h"

namespace {

// The title line: five tabs and the four characters of the title.
constexpr long kTitleLength = 9;
constexpr int kTitleHeightTwips = 256;
constexpr uint32_t kTitleColor = 0x212121;

}  // namespace

CProtWnd::CProtWnd() : skinFile(L"agreement.xml") {}

void CProtWnd::InitWindow() {
  confirmBtn = dynamic_cast<DuiLib::CButtonUI*>(m_pm.FindControl(L"confirmBtn"));
  agreementEdit = dynamic_cast<DuiLib::CRichEditUI*>(m_pm.FindControl(L"agreementEdit"));
  if (agreementText.empty()) {
    agreementText = LoadAgreementText();
  }
  if (agreementEdit != nullptr) {
    agreementEdit->SetText(agreementText);
    EmphasiseTitle();
  }
}

void CProtWnd::EmphasiseTitle() {
  DuiLib::CharFormat format;
  agreementEdit->SetSel(-1, -1);
  agreementEdit->GetSelectionCharFormat(format);
  format.heightTwips = kTitleHeightTwips;
  format.color = kTitleColor;
  agreementEdit->SetSel(0, kTitleLength);
  agreementEdit->SetSelectionCharFormat(format);
  // Removing the selection above took the caret to the end of the text on some systems,
  // and the view with it: the agreement is read from its title.
  agreementEdit->SetSel(0, 0);
}

void CProtWnd::Notify(DuiLib::TNotifyUI& msg) {
  if (msg.sType == DuiLib::kNotifyClick && msg.pSender != nullptr && msg.pSender == confirmBtn) {
    Close(1);
  }
  WindowImplBase::Notify(msg);
}
