#include "tools/archive_tool/extract_command.h"

namespace {

bool IsSwitch(const std::wstring& argument) {
  return argument.size() > 1 && argument[0] == L'-';
}

bool ApplySwitch(const std::wstring& argument, ExtractCommand& command, std::wstring& error) {
  if (argument == L"-y" || argument == L"-aoa") {
    return true;
  }
  if (argument.compare(0, 2, L"-o") == 0) {
    command.outputDirectory = argument.substr(2);
    if (command.outputDirectory.empty()) {
      error = L"-o needs a folder";
      return false;
    }
    return true;
  }
  error = L"unknown switch " + argument;
  return false;
}

}  // namespace

bool ParseExtractCommand(const std::vector<std::wstring>& arguments, ExtractCommand& command,
                         std::wstring& error) {
  if (arguments.empty() || (arguments[0] != L"x" && arguments[0] != L"X")) {
    error = L"the only command is x (extract with full paths)";
    return false;
  }
  int archives = 0;
  for (size_t i = 1; i < arguments.size(); ++i) {
    if (IsSwitch(arguments[i])) {
      if (!ApplySwitch(arguments[i], command, error)) {
        return false;
      }
    } else {
      command.archive = arguments[i];
      ++archives;
    }
  }
  if (archives != 1) {
    error = L"name exactly one archive";
    return false;
  }
  return true;
}
