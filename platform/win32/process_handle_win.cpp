#include <windows.h>

#include <utility>

#include "platform/processes.h"

namespace platform {

ProcessHandle::~ProcessHandle() {
  Close();
}

ProcessHandle::ProcessHandle(ProcessHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

ProcessHandle& ProcessHandle::operator=(ProcessHandle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

bool ProcessHandle::IsValid() const {
  return handle_ != nullptr;
}

NativeWaitable ProcessHandle::Waitable() const {
  return handle_;
}

bool ProcessHandle::ReadExitCode(uint32_t& code) {
  DWORD exitCode = 0;
  if (handle_ == nullptr || !GetExitCodeProcess(handle_, &exitCode)) {
    return false;
  }
  code = exitCode;
  return true;
}

void ProcessHandle::Close() {
  if (handle_ != nullptr) {
    CloseHandle(handle_);
    handle_ = nullptr;
  }
}

}  // namespace platform
