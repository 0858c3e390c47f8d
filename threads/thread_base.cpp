#include "threads/thread_base.h"

CThreadBase::~CThreadBase() {
  JoinThread();
}

bool CThreadBase::Start() {
  if (thread_.IsStarted()) {
    return false;
  }
  return thread_.Start([this] { ThreadProcedure(); });
}

bool CThreadBase::IsRunning() {
  return running_.load();
}

void CThreadBase::JoinThread() {
  thread_.Join();
}

void CThreadBase::ThreadProcedure() {
  running_.store(true);
  Run();
  running_.store(false);
}
