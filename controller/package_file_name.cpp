#include "controller/package_file_name.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "platform/text_encoding.h"

namespace {

constexpr size_t kMaxNameBytes = 120;

bool IsForbidden(unsigned char c) {
  static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  return c < 0x20 || c == 0x7F || kForbidden.find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Uppercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Windows opens these as devices whatever extension or blanks before it follow them.
bool IsDeviceName(const std::string& name) {
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  std::string stem = Uppercase(name.substr(0, name.find('.')));
  stem.erase(stem.find_last_not_of(' ') + 1);
  if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) {
    return true;
  }
  const bool numbered = stem.size() == 4 && std::isdigit(static_cast<unsigned char>(stem[3]));
  return numbered && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0);
}

// Cuts `name` to at most `limit` bytes without splitting a double-byte character.
std::string CutToLength(const std::string& name, size_t limit) {
  size_t end = 0;
  while (end < name.size()) {
    const size_t length = static_cast<unsigned char>(name[end]) > 0x80 ? 2 : 1;
    if (end + length > limit) {
      break;
    }
    end += length;
  }
  return name.substr(0, end);
}

// Bytes that form no character of code page 936 would reach Windows as "?", which no file
// name may hold: they become "_".
std::string WholeCharacters(const std::string& name) {
  std::wstring wide = platform::NarrowToWide(name);
  std::replace(wide.begin(), wide.end(), L'?', L'_');
  return platform::WideToNarrow(wide);
}

void DropTrailingDotsAndBlanks(std::string& name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    name.pop_back();
  }
}

std::string LimitLength(const std::string& name) {
  if (name.size() <= kMaxNameBytes) {
    return name;
  }
  const size_t dot = name.rfind('.');
  const bool shortExtension = dot != std::string::npos && name.size() - dot <= 16;
  const std::string extension = shortExtension ? name.substr(dot) : "";
  return CutToLength(name.substr(0, name.size() - extension.size()),
                     kMaxNameBytes - extension.size()) +
         extension;
}

// The upper case of the letters code page 936 holds in both cases (Latin, Greek, Cyrillic,
// full-width Latin and Roman numerals), as Windows' file systems fold them.
wchar_t UpperCase(wchar_t c) {
  const auto in = [c](unsigned first, unsigned last) {
    return static_cast<unsigned>(c) >= first && static_cast<unsigned>(c) <= last;
  };
  if (in(L'a', L'z') || (in(0x3B1, 0x3C9) && c != 0x3C2) || in(0x430, 0x44F) ||
      in(0xFF41, 0xFF5A)) {
    return static_cast<wchar_t>(c - 0x20);
  }
  if (in(0x450, 0x45F)) {
    return static_cast<wchar_t>(c - 0x50);
  }
  if (in(0x2170, 0x217F)) {
    return static_cast<wchar_t>(c - 0x10);
  }
  return c;
}

std::string WithSuffix(const std::string& name, int suffix) {
  const size_t dot = name.rfind('.');
  const size_t stemEnd = dot == std::string::npos ? name.size() : dot;
  return name.substr(0, stemEnd) + "_" + std::to_string(suffix) + name.substr(stemEnd);
}

// The form in which Windows compares the file name `name`.
std::wstring FileNameKey(const std::string& name) {
  std::wstring key = platform::NarrowToWide(name);
  while (!key.empty() && (key.back() == L'.' || key.back() == L' ')) {
    key.pop_back();
  }
  std::transform(key.begin(), key.end(), key.begin(), UpperCase);
  return key;
}

}  // namespace

std::string UniqueFileNames::Claim(const std::string& name) {
  const std::wstring key = FileNameKey(name);
  std::string claimed = name;
  if (!taken_.insert(key).second) {
    int& suffix = nextSuffix_.try_emplace(key, 2).first->second;
    do {
      claimed = WithSuffix(name, suffix++);
    } while (!taken_.insert(FileNameKey(claimed)).second);
  }
  return claimed;
}

std::string PackageFileName(const std::string& url) {
  const std::string path = url.substr(0, url.find_first_of("?#"));
  const size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (auto& c : name) {
    if (IsForbidden(static_cast<unsigned char>(c))) {
      c = '_';
    }
  }
  name = WholeCharacters(name);
  DropTrailingDotsAndBlanks(name);
  if (name.empty()) {
    return name;
  }
  if (IsDeviceName(name)) {
    name = "_" + name;
  }
  // The cut can end the name in a dot or blank, which Windows would drop from the file name.
  name = LimitLength(name);
  DropTrailingDotsAndBlanks(name);
  return name;
}
