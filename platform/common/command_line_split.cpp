#include "platform/command_line.h"

namespace platform {
namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

// The program name: quotes toggle, nothing is escaped.
std::wstring TakeProgramName(const std::wstring& line, size_t& at) {
  std::wstring name;
  bool quoted = false;
  for (; at < line.size(); ++at) {
    const wchar_t c = line[at];
    if (c == L'"') {
      quoted = !quoted;
    } else if (IsBlank(c) && !quoted) {
      break;
    } else {
      name += c;
    }
  }
  return name;
}

// One argument starting at a character that is not blank.
std::wstring TakeArgument(const std::wstring& line, size_t& at) {
  std::wstring argument;
  bool quoted = false;
  while (at < line.size()) {
    size_t backslashes = 0;
    while (at < line.size() && line[at] == L'\\') {
      ++backslashes;
      ++at;
    }
    if (at < line.size() && line[at] == L'"') {
      argument.append(backslashes / 2, L'\\');
      if (backslashes % 2 == 1) {
        argument += L'"';
      } else if (quoted && at + 1 < line.size() && line[at + 1] == L'"') {
        argument += L'"';
        ++at;
      } else {
        quoted = !quoted;
      }
      ++at;
      continue;
    }
    argument.append(backslashes, L'\\');
    if (at >= line.size() || (IsBlank(line[at]) && !quoted)) {
      break;
    }
    argument += line[at++];
  }
  return argument;
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine) {
  std::vector<std::wstring> arguments;
  size_t at = 0;
  while (at < commandLine.size() && IsBlank(commandLine[at])) {
    ++at;
  }
  if (at >= commandLine.size()) {
    return arguments;
  }
  arguments.push_back(TakeProgramName(commandLine, at));
  for (;;) {
    while (at < commandLine.size() && IsBlank(commandLine[at])) {
      ++at;
    }
    if (at >= commandLine.size()) {
      return arguments;
    }
    arguments.push_back(TakeArgument(commandLine, at));
  }
}

}  // namespace platform
