#include "threads/control_thread.h"

CControlThread::~CControlThread() {
  StopThread();
}

void CControlThread::RequestStop() {
  CWorkerThread<ControlInfo>::RequestStop();
}
