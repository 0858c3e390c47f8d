#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>

#include "platform/detached_process.h"
#include "platform/text_encoding.h"

extern char** environ;

namespace platform {

// The child stays a child of this process; once it ends it lingers as a zombie until this
// process ends, which is harmless for the short-lived programs that start helpers.
bool StartDetachedProcess(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) {
    return false;
  }
  std::vector<std::string> texts;
  for (const std::wstring& argument : arguments) {
    texts.push_back(WideToUtf8(argument));
  }
  std::vector<char*> argv;
  for (std::string& text : texts) {
    argv.push_back(text.data());
  }
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return result == 0;
}

}  // namespace platform
