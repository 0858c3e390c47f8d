// Processes started by the program.
#pragma once

#include <cstdint>
#include <string>

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

// Starts the program that `commandLine` names (Windows quoting, see command_line.h) with its
// first window hidden and without standard input, output or error, inheriting no handles.
// Does not wait. On success `process` owns the new process; on failure `lastError` holds the
// system's error code (GetLastError, or errno on POSIX) and `process` is unchanged.
//
// On POSIX the program name is looked up as a file name with every backslash read as a
// slash (a name without one is searched on PATH), the arguments are split as a Windows
// program would split them, and the standard handles are /dev/null.
bool StartProcess(const std::wstring& commandLine, ProcessHandle& process, uint32_t& lastError);

}  // namespace platform
