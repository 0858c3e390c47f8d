#include "tools/standin_packages/command_line.h"

#include <cwctype>

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t';
}

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

bool IsForbiddenInName(wchar_t c) {
  return c < 0x20 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
}

bool IsPlainName(std::wstring_view name) {
  if (name.empty() || name == L"." || name == L".." || name.back() == L'.' || name.back() == L' ') {
    return false;
  }
  for (wchar_t c : name) {
    if (IsForbiddenInName(c)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
  size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    const size_t closing = commandLine.find(L'"', 1);
    end = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (end < commandLine.size() && !IsBlank(commandLine[end])) {
      ++end;
    }
  }
  std::wstring_view rest = commandLine.substr(end);
  while (!rest.empty() && IsBlank(rest.front())) {
    rest.remove_prefix(1);
  }
  return rest;
}

bool IsQuietSwitchOnly(std::wstring_view arguments) {
  constexpr std::wstring_view kQuiet = L"/quiet";
  const std::wstring_view word = TrimBlanks(arguments);
  if (word.size() != kQuiet.size()) {
    return false;
  }
  for (size_t i = 0; i < word.size(); ++i) {
    if (std::towlower(word[i]) != kQuiet[i]) {
      return false;
    }
  }
  return true;
}

bool ParseSilentInstall(std::wstring_view arguments, std::wstring& folder) {
  constexpr std::wstring_view kSilent = L"/S";
  constexpr std::wstring_view kDirectory = L"/D=";
  std::wstring_view rest = TrimBlanks(arguments);
  if (rest.substr(0, kSilent.size()) != kSilent || rest.size() == kSilent.size() ||
      !IsBlank(rest[kSilent.size()])) {
    return false;
  }
  rest = TrimBlanks(rest.substr(kSilent.size()));
  if (rest.substr(0, kDirectory.size()) != kDirectory) {
    return false;
  }
  std::wstring_view path = rest.substr(kDirectory.size());
  while (path.size() > 3 && path.back() == L'\\') {
    path.remove_suffix(1);
  }
  if (!IsUsableInstallFolder(path)) {
    return false;
  }
  folder.assign(path);
  return true;
}

bool IsUsableInstallFolder(std::wstring_view folder) {
  if (folder.size() < 3 || folder.size() > kLongestInstallFolder || !std::iswalpha(folder[0]) ||
      folder[0] > 0x7F || folder[1] != L':' || folder[2] != L'\\') {
    return false;
  }
  std::wstring_view rest = folder.substr(3);
  if (rest.empty()) {
    return true;  // the drive's root
  }
  while (true) {
    const size_t separator = rest.find(L'\\');
    if (!IsPlainName(rest.substr(0, separator))) {
      return false;
    }
    if (separator == std::wstring_view::npos) {
      return true;
    }
    rest.remove_prefix(separator + 1);
  }
}
