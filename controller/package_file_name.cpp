#include "controller/package_file_name.h"

#include <algorithm>
#include <array>
#include <cctype>

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

// Windows opens these as devices whatever extension follows them.
bool IsDeviceName(const std::string& name) {
  static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  const std::string stem = Uppercase(name.substr(0, name.find('.')));
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

}  // namespace

std::string PackageFileName(const std::string& url) {
  const std::string path = url.substr(0, url.find_first_of("?#"));
  const size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (auto& c : name) {
    if (IsForbidden(static_cast<unsigned char>(c))) {
      c = '_';
    }
  }
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    name.pop_back();
  }
  if (name.empty()) {
    return name;
  }
  if (IsDeviceName(name)) {
    name = "_" + name;
  }
  return LimitLength(name);
}
