#include "threads/control_thread.h"

CControlThread::CControlThread() : installer(this), downloader(this) {}

CControlThread::~CControlThread() {
  StopAllThreads();
}

void CControlThread::RequestStop() {
  downloader.RequestStop();
  installer.RequestStop();
  CWorkerThread<ControlInfo>::RequestStop();
}

void CControlThread::StopAllThreads(CInstallerThread* secondInstaller) {
  StopThread();
  if (secondInstaller != nullptr) {
    secondInstaller->StopThread();
  }
  downloader.StopThread();
  installer.StopThread();
}
