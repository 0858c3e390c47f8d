// The main setup window: one tab layout with the install page, the progress page and the
// finished page. It owns the install controller, runs the checks before an installation,
// turns the controller's messages into the progress page and the finished page, and shows
// the agreement and the tips.
#pragma once

#include <cstdint>
#include <string>

#include "controller/control.h"
#include "duilib/window_impl_base.h"

namespace DuiLib {
class CButtonUI;
class CLabelUI;
class COptionUI;
class CProgressUI;
class CRichEditUI;
class CTabLayoutUI;
class CVerticalLayoutUI;
}  // namespace DuiLib

class CMainWnd : public DuiLib::WindowImplBase {
 public:
  // Window heights the code sets; the install page takes its 360 from the layout.
  static constexpr int kProgressPageHeight = 266;
  static constexpr int kFinishedPageHeight = 400;
  static constexpr int kOptionsPanelHeight = 110;
  // Pauses on the user-interface thread (ui_pause.h).
  static constexpr uint32_t kFullBarPauseMs = 500;
  static constexpr uint32_t kLaunchPauseMs = 2000;

  CMainWnd();

  const wchar_t* GetWindowClassName() const override { return L"CMainWnd"; }
  intptr_t HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam) override;
  ~CMainWnd() override;
  void InitWindow() override;
  std::wstring GetSkinFile() override { return skinFile; }
  void Notify(DuiLib::TNotifyUI& msg) override;

  // Fills the two space labels for the drive of the folder field's folder.
  void UpdateSizeLabels();
  // Hides the window, starts the installed product and closes the window.
  void StartUsingProduct();
  // Shows `value` (of the bar's range) on the bar and as a percentage.
  void SetProgress(uintptr_t value);

 protected:
  bool FindControls();
  // True to pass the click on to the toolkit, false when it is consumed.
  bool HandleClick(DuiLib::CControlUI* sender);
  bool AskToLeave();
  bool StartInstall();
  void ShowAgreement();
  void BrowseFolder();
  void ShowExtendedOptions(bool show);
  void SetWindowHeight(int height);
  void FinishInstall();
  void ReturnToInstallPage();

  std::wstring skinFile;
  bool controlsFound = false;
  int installPageHeight = 0;  // the window's height when the install button was pressed
  DuiLib::CButtonUI* closeBtn = nullptr;
  DuiLib::CTabLayoutUI* tabUI = nullptr;
  DuiLib::CButtonUI* installBtn = nullptr;
  DuiLib::COptionUI* licenseOpt = nullptr;
  DuiLib::CButtonUI* agreementBtn = nullptr;
  DuiLib::COptionUI* showExtWndOpt = nullptr;
  DuiLib::CVerticalLayoutUI* extOptions = nullptr;
  DuiLib::CRichEditUI* instalPathEdit = nullptr;
  DuiLib::CButtonUI* selectPathBtn = nullptr;
  DuiLib::CLabelUI* lblNeedSize = nullptr;
  DuiLib::CLabelUI* lblAvailableSize = nullptr;
  DuiLib::CProgressUI* installPro = nullptr;
  DuiLib::CLabelUI* progressLbl = nullptr;
  DuiLib::CButtonUI* startuseBtn = nullptr;
  CControl control;
};
