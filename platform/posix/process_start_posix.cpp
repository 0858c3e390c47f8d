// Processes are started with posix_spawn, which reports a program that cannot be run as an
// error code instead of a child that dies at once, and tracked through a pidfd.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/command_line.h"
#include "platform/processes.h"
#include "platform/text_encoding.h"

extern char** environ;

namespace platform {
namespace {

// A program file that another thread has just written may still be open for writing in a
// child that was forked meanwhile (ETXTBSY); that passes within moments.
constexpr int kBusyRetries = 50;
constexpr uint32_t kBusyPauseMs = 10;

class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions_, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    posix_spawnattr_init(&attributes_);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnSettings() {
    posix_spawnattr_destroy(&attributes_);
    posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  int Spawn(pid_t& pid, const std::string& program, char* const* argv) const {
    int result = 0;
    for (int attempt = 0; attempt <= kBusyRetries; ++attempt) {
      result = posix_spawnp(&pid, program.c_str(), &actions_, &attributes_, argv, environ);
      if (result != ETXTBSY) {
        break;
      }
      Sleep(kBusyPauseMs);
    }
    return result;
  }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace

bool StartProcess(const std::wstring& commandLine, ProcessHandle& process, uint32_t& lastError) {
  const std::vector<std::wstring> words = SplitCommandLine(commandLine);
  if (words.empty() || words.front().empty()) {
    lastError = ENOENT;
    return false;
  }
  std::vector<std::string> arguments;
  for (const auto& word : words) {
    arguments.push_back(WideToUtf8(word));
  }
  std::string& program = arguments.front();
  std::replace(program.begin(), program.end(), '\\', '/');
  std::vector<char*> argv;
  for (auto& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);

  pid_t pid = -1;
  const int result = SpawnSettings().Spawn(pid, program, argv.data());
  if (result != 0) {
    lastError = static_cast<uint32_t>(result);
    return false;
  }
  // The child is not reaped before the pidfd exists, so its pid cannot have been reused.
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (pidfd < 0) {
    lastError = static_cast<uint32_t>(errno);
    return false;
  }
  process = ProcessHandle(pid, pidfd);
  return true;
}

}  // namespace platform
