// A process is its pid plus a pidfd, which becomes readable when the process ends, so that
// it can be waited on together with events. The process is reaped when its exit code is
// read, or when the handle closes after it has ended.
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

#include "platform/processes.h"

namespace platform {

ProcessHandle::~ProcessHandle() {
  Close();
}

ProcessHandle::ProcessHandle(ProcessHandle&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)),
      pidfd_(std::exchange(other.pidfd_, -1)),
      reaped_(other.reaped_),
      exitCode_(other.exitCode_) {}

ProcessHandle& ProcessHandle::operator=(ProcessHandle&& other) noexcept {
  if (this != &other) {
    Close();
    pid_ = std::exchange(other.pid_, -1);
    pidfd_ = std::exchange(other.pidfd_, -1);
    reaped_ = other.reaped_;
    exitCode_ = other.exitCode_;
  }
  return *this;
}

bool ProcessHandle::IsValid() const {
  return pidfd_ >= 0;
}

NativeWaitable ProcessHandle::Waitable() const {
  return pidfd_;
}

bool ProcessHandle::ReadExitCode(uint32_t& code) {
  if (pidfd_ < 0) {
    return false;
  }
  if (!reaped_) {
    siginfo_t info{};
    if (waitid(P_PIDFD, static_cast<id_t>(pidfd_), &info, WEXITED | WNOHANG) != 0) {
      return false;
    }
    if (info.si_pid == 0) {
      code = kStillActive;
      return true;
    }
    reaped_ = true;
    exitCode_ = info.si_code == CLD_EXITED ? static_cast<uint32_t>(info.si_status)
                                           : 128u + static_cast<uint32_t>(info.si_status);
  }
  code = exitCode_;
  return true;
}

void ProcessHandle::Close() {
  if (pidfd_ < 0) {
    return;
  }
  // Reap an ended process so that it does not linger as a zombie; a running one is left to
  // run on and is reaped by init once this program ends.
  uint32_t ignored = 0;
  ReadExitCode(ignored);
  close(pidfd_);
  pidfd_ = -1;
  pid_ = -1;
}

}  // namespace platform
