#include "threads/thread_base.h"

#include <cstdio>
#include <exception>

namespace {

void LogThreadEnd(const char* reason) {
  std::printf("thread ended: %s\r\n", reason);
  std::fflush(stdout);
}

}  // namespace

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

// An exception leaving a thread would end the whole process; the body ends instead, with
// one line saying why.
void CThreadBase::ThreadProcedure() {
  running_.store(true);
  try {
    Run();
  } catch (const std::exception& error) {
    LogThreadEnd(error.what());
  } catch (...) {
    LogThreadEnd("unknown exception");
  }
  running_.store(false);
}
