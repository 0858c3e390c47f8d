#include "shell/setup_startup.h"

#include "duilib/paint_manager_ui.h"
#include "platform/current_directory.h"
#include "platform/named_mutex.h"
#include "platform/resources.h"
#include "reporting/setup_version.h"
#include "shell/main_wnd.h"
#include "shell/tip_messages.h"
#include "shell/window_styles.h"

namespace {

constexpr int kExitAlreadyRunning = 0;
constexpr int kExitClosed = 1;

// The skin comes before the single-instance test: the refusal is a skinned window too.
void UseSkinOfProgram() {
  const platform::ResourceBytes skin = platform::FindProgramResource(L"ZIPRES", kSkinResourceId);
  DuiLib::CPaintManagerUI::SetResourceZip(skin.data, skin.size);
}

void RunMainWindow() {
  CMainWnd window;
  if (window.Create(nullptr, L"quillo_trans_Install", kSkinnedWindowStyle, kSkinnedWindowExStyle) ==
      nullptr) {
    return;
  }
  window.CenterWindow();
  window.ShowModal();
}

}  // namespace

int RunSetup(void* instance) {
  SetInstallerVersion(ReadOwnVersion());
  DuiLib::CPaintManagerUI::SetInstance(instance);
  platform::ChangeCurrentDirectory(DuiLib::CPaintManagerUI::GetInstancePath());
  UseSkinOfProgram();
  if (platform::CreateLifetimeMutex(kSingleInstanceMutex) ==
      platform::NamedMutexResult::kAlreadyExists) {
    ShowTipMessage(L"程序已在运行，请勿重复打开");
    return kExitAlreadyRunning;
  }
  RunMainWindow();
  return kExitClosed;
}
