#include "tools/skin_viewer/viewer_wnd.h"

#include "duilib/control_ui.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

CViewerWnd::CViewerWnd(std::wstring layout, std::wstring logPath, std::vector<std::wstring> texts)
    : layout_(std::move(layout)), logPath_(std::move(logPath)), texts_(std::move(texts)) {}

void CViewerWnd::InitWindow() {
  for (const auto& pair : texts_) {
    const size_t equals = pair.find(L'=');
    DuiLib::CControlUI* control =
        equals == std::wstring::npos ? nullptr : m_pm.FindControl(pair.substr(0, equals));
    if (control != nullptr) {
      control->SetText(pair.substr(equals + 1));
    }
  }
  // Layout problems go to the log too, so that a test sees them.
  for (const auto& warning : m_pm.GetLayoutWarnings()) {
    log_ += "warning " + platform::WideToUtf8(warning) + "\n";
  }
  log_ += "opened\n";
  platform::WriteWholeFile(logPath_, log_.data(), log_.size());
}

void CViewerWnd::Notify(DuiLib::TNotifyUI& msg) {
  log_ += platform::WideToUtf8(msg.sType + L" " + msg.pSender->GetName()) + "\n";
  platform::WriteWholeFile(logPath_, log_.data(), log_.size());
  WindowImplBase::Notify(msg);
}
