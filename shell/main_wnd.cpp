#include "shell/main_wnd.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>

#include "controller/install_messages.h"
#include "duilib/button_ui.h"
#include "duilib/label_ui.h"
#include "duilib/option_ui.h"
#include "duilib/progress_ui.h"
#include "duilib/rich_edit_ui.h"
#include "duilib/tab_layout_ui.h"
#include "duilib/vertical_layout_ui.h"
#include "install/download_folder.h"
#include "platform/network_state.h"
#include "platform/process_exit.h"
#include "platform/text_encoding.h"
#include "platform/ui_window.h"
#include "reporting/main_window_handle.h"
#include "reporting/report_step.h"
#include "shell/finish_actions.h"
#include "shell/install_folder.h"
#include "shell/install_space.h"
#include "shell/prot_wnd.h"
#include "shell/tip_messages.h"
#include "shell/tip_wnd.h"
#include "shell/ui_pause.h"
#include "shell/window_styles.h"

namespace {

enum Page { kInstallPage = 0, kProgressPage = 1, kFinishedPage = 2 };

constexpr wchar_t kNoNetworkTip[] = L"没有检测到网络，请连接后重试";

template <typename Control>
Control* FindTyped(DuiLib::CPaintManagerUI& manager, const wchar_t* name) {
  return dynamic_cast<Control*>(manager.FindControl(name));
}

}  // namespace

CMainWnd::CMainWnd() : skinFile(L"Frame.xml") {}

CMainWnd::~CMainWnd() = default;

// Message 1025, which the report sender sends when the server answered a report with "1",
// names nothing the window could change, so it goes to the toolkit like any other message.
intptr_t CMainWnd::HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam) {
  if (controlsFound) {
    if (uMsg == WM_INSTALL_PROGRESS) {
      SetProgress(wParam);
    } else if (uMsg == WM_INSTALL_DONE) {
      FinishInstall();
    } else if (uMsg == WM_INSTALL_FAILED) {
      ReturnToInstallPage();
    }
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

bool CMainWnd::FindControls() {
  closeBtn = FindTyped<DuiLib::CButtonUI>(m_pm, L"closebtn");
  tabUI = FindTyped<DuiLib::CTabLayoutUI>(m_pm, L"tabUI");
  installBtn = FindTyped<DuiLib::CButtonUI>(m_pm, L"installBtn");
  licenseOpt = FindTyped<DuiLib::COptionUI>(m_pm, L"licenseOpt");
  agreementBtn = FindTyped<DuiLib::CButtonUI>(m_pm, L"agreementBtn");
  showExtWndOpt = FindTyped<DuiLib::COptionUI>(m_pm, L"showExtWndOpt");
  extOptions = FindTyped<DuiLib::CVerticalLayoutUI>(m_pm, L"extOptions");
  instalPathEdit = FindTyped<DuiLib::CRichEditUI>(m_pm, L"instalPathEdit");
  selectPathBtn = FindTyped<DuiLib::CButtonUI>(m_pm, L"selectPathBtn");
  lblNeedSize = FindTyped<DuiLib::CLabelUI>(m_pm, L"lblNeedSize");
  lblAvailableSize = FindTyped<DuiLib::CLabelUI>(m_pm, L"lblAvailableSize");
  installPro = FindTyped<DuiLib::CProgressUI>(m_pm, L"installPro");
  progressLbl = FindTyped<DuiLib::CLabelUI>(m_pm, L"progressLbl");
  startuseBtn = FindTyped<DuiLib::CButtonUI>(m_pm, L"startuseBtn");
  const void* controls[] = {closeBtn,      tabUI,         installBtn,       licenseOpt,
                            agreementBtn,  showExtWndOpt, extOptions,       instalPathEdit,
                            selectPathBtn, lblNeedSize,   lblAvailableSize, installPro,
                            progressLbl,   startuseBtn};
  return std::none_of(std::begin(controls), std::end(controls),
                      [](const void* found) { return found == nullptr; });
}

void CMainWnd::InitWindow() {
  controlsFound = FindControls();
  if (!controlsFound) {
    // A program file with a damaged skin: nothing can be shown or started.
    Close(1);
    return;
  }
  tabUI->SelectItem(kInstallPage);
  instalPathEdit->SetText(DefaultInstallFolder());
  installBtn->SetEnabled(true);
  licenseOpt->Selected(true, false);
  progressLbl->SetText(L"0%");
  ShowExtendedOptions(false);
  UpdateSizeLabels();
  control.notifyWindow = GetHWND();
  SetMainWindowHandle(GetHWND());
  control.Start();
  ReportStep("7001");
}

void CMainWnd::Notify(DuiLib::TNotifyUI& msg) {
  if (controlsFound && msg.sType == DuiLib::kNotifySelectChanged && msg.pSender == showExtWndOpt) {
    ShowExtendedOptions(showExtWndOpt->IsSelected());
  } else if (controlsFound && msg.sType == DuiLib::kNotifyClick && !HandleClick(msg.pSender)) {
    return;
  }
  WindowImplBase::Notify(msg);
}

bool CMainWnd::HandleClick(DuiLib::CControlUI* sender) {
  if (sender == closeBtn) {
    return AskToLeave();
  }
  if (sender == installBtn) {
    return StartInstall();
  }
  if (sender == agreementBtn) {
    ShowAgreement();
  } else if (sender == licenseOpt) {
    // The click comes before the box changes: it is about to become what it is not now.
    installBtn->SetEnabled(!licenseOpt->IsSelected());
  } else if (sender == selectPathBtn) {
    BrowseFolder();
  } else if (sender == startuseBtn) {
    StartUsingProduct();
  }
  return true;
}

bool CMainWnd::AskToLeave() {
  if (ConfirmExit(GetHWND()) == TIP_RESULT_YES) {
    // Running downloads and installers are abandoned, and no thread is waited for.
    platform::EndProcessNow(0);
  }
  return false;
}

bool CMainWnd::StartInstall() {
  const std::wstring folder = instalPathEdit->GetText();
  if (!CheckDiskSpace(folder.empty() ? L'\0' : folder[0])) {
    ShowTipMessage(LowDiskSpaceMessage());
    return false;
  }
  if (!platform::IsNetworkConnected()) {
    ShowTipMessage(kNoNetworkTip);
    return false;
  }
  installPageHeight = platform::ui::GetWindowRect(GetHWND()).Height();
  tabUI->SelectItem(kProgressPage);
  SetWindowHeight(kProgressPageHeight);
  control.BeginInstall(platform::WideToNarrow(folder));
  return true;
}

void CMainWnd::ShowAgreement() {
  CProtWnd agreement;
  if (agreement.Create(GetHWND(), L"WndAgreement", kSkinnedWindowStyle, kSkinnedWindowExStyle) ==
      nullptr) {
    return;
  }
  agreement.CenterWindow();
  agreement.ShowModal();
}

void CMainWnd::BrowseFolder() {
  std::wstring folder;
  if (BrowseInstallFolder(GetHWND(), folder)) {
    instalPathEdit->SetText(folder);
    UpdateSizeLabels();
  }
}

void CMainWnd::UpdateSizeLabels() {
  lblAvailableSize->SetText(
      FormatAvailableSpace(FreeBytesOfFolderDrive(instalPathEdit->GetText())));
  lblNeedSize->SetText(FormatNeededSpace());
}

void CMainWnd::ShowExtendedOptions(bool show) {
  if (extOptions->IsVisible() == show) {
    return;
  }
  const int height = platform::ui::GetWindowRect(GetHWND()).Height();
  extOptions->SetVisible(show);
  SetWindowHeight(show ? height + kOptionsPanelHeight : height - kOptionsPanelHeight);
}

void CMainWnd::SetWindowHeight(int height) {
  const platform::ui::Rect rect = platform::ui::GetWindowRect(GetHWND());
  platform::ui::MoveWindow(GetHWND(), {rect.left, rect.top, rect.right, rect.top + height}, true);
}

void CMainWnd::SetProgress(uintptr_t value) {
  const int maximum = installPro->GetMaxValue();
  installPro->SetValue(static_cast<int>(std::min<uintptr_t>(value, INT32_MAX)));
  // A value beyond the bar's range shows as the nearest end of it, never as a wild number.
  // Whole numbers: in single precision 53 / 100 * 100 comes out as 52.99.
  const uint64_t shown = std::min<uint64_t>(value, static_cast<uint64_t>(std::max(maximum, 0)));
  const int percent =
      maximum > 0 ? static_cast<int>(shown * 100 / static_cast<uint64_t>(maximum)) : 0;
  wchar_t text[16] = {};
  std::swprintf(text, 16, L"%2d%%", percent);
  progressLbl->SetText(text);
}

void CMainWnd::FinishInstall() {
  ReportStep("7003");
  SetProgress(static_cast<uintptr_t>(std::max(installPro->GetMaxValue(), 0)));
  // The full bar must reach the screen before the thread stops to wait.
  platform::ui::PaintNow(GetHWND());
  PauseUiThread(kFullBarPauseMs);
  tabUI->SelectItem(kFinishedPage);
  SetWindowHeight(kFinishedPageHeight);
  // Every package has been installed: nothing of this run is needed any more.
  RemoveDownloadFolder();
}

// The page, the height and the texts become what they were before the install button was
// pressed, so that pressing it again starts a fresh run. A run that could not get its
// manifest has, as far as the user can tell, met the same trouble as no network at all.
void CMainWnd::ReturnToInstallPage() {
  if (tabUI->GetCurSel() != kProgressPage) {
    return;
  }
  installPro->SetValue(0);
  progressLbl->SetText(L"0%");
  tabUI->SelectItem(kInstallPage);
  SetWindowHeight(installPageHeight);
  ShowTipMessage(kNoNetworkTip);
}

void CMainWnd::StartUsingProduct() {
  ShowWindow(false, false);
  PauseUiThread(kLaunchPauseMs);
  LaunchInstalledProduct(kProductRegistrationName);
  PauseUiThread(kLaunchPauseMs);
  Close(1);
}
