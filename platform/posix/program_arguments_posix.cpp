#include "platform/program_arguments.h"

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

std::vector<std::wstring> ProgramArguments() {
  std::string bytes;
  std::vector<std::wstring> arguments;
  if (!ReadWholeFile(L"/proc/self/cmdline", bytes)) {
    return arguments;
  }
  // The arguments end in a zero byte each; the first is the program name.
  size_t start = bytes.find('\0');
  while (start != std::string::npos && start + 1 < bytes.size()) {
    const size_t end = bytes.find('\0', start + 1);
    arguments.push_back(Utf8ToWide(bytes.substr(start + 1, end - start - 1)));
    start = end;
  }
  return arguments;
}

}  // namespace platform
