// Processes started by the program.
#pragma once

#include <cstdint>

#include "platform/threading.h"

namespace platform {

// The exit code a process reports while it is still running (STILL_ACTIVE).
inline constexpr uint32_t kStillActive = 259;

// An owned handle to a started process. Closing it releases the handle only; the process
// runs on. Movable, not copyable.
class ProcessHandle {
 public:
  ProcessHandle() = default;
  ~ProcessHandle();
  ProcessHandle(ProcessHandle&& other) noexcept;
  ProcessHandle& operator=(ProcessHandle&& other) noexcept;
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;

#ifdef _WIN32
  explicit ProcessHandle(void* handle) : handle_(handle) {}
#else
  ProcessHandle(int pid, int pidfd) : pid_(pid), pidfd_(pidfd) {}
  int Pid() const {
    return pid_;
  }
#endif

  bool IsValid() const;

  // Becomes signalled when the process ends.
  NativeWaitable Waitable() const;

  // The exit code, or kStillActive while the process runs. False when it cannot be read.
  bool ReadExitCode(uint32_t& code);

  void Close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int pid_ = -1;
  int pidfd_ = -1;
  bool reaped_ = false;
  uint32_t exitCode_ = 0;
#endif
};

}  // namespace platform
