#include "shell/setup_startup.h"

#include "duilib/paint_manager_ui.h"
#include "install/download_folder.h"
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

// Only a copy that knows it runs alone may take the folders of earlier runs away; a failed
// creation leaves the run without a folder, so it downloads nothing.
void PrepareDownloadFolder(bool runsAlone) {
  if (runsAlone) {
    RemoveLeftoverDownloadFolders();
  }
  CreateDownloadFolder();
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
  const platform::NamedMutexResult singleInstance =
      platform::CreateLifetimeMutex(kSingleInstanceMutex);
  if (singleInstance == platform::NamedMutexResult::kAlreadyExists) {
    ShowTipMessage(L"程序已在运行，请勿重复打开");
    return kExitAlreadyRunning;
  }
  PrepareDownloadFolder(singleInstance == platform::NamedMutexResult::kCreated);
  RunMainWindow();
  return kExitClosed;
}
