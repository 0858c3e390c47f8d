#include "fuzz/package_checks.h"

#include <locale.h>
#include <cctype>
#include <clocale>
#include <cwctype>
#include <set>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/text_encoding.h"

namespace fuzz {
namespace {

// Letter case folded by the C library's full Unicode tables, independently of the program's
// own folding, so a pair it misses shows up as two names for one file.
std::wstring WindowsComparisonForm(const std::string& name) {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  std::wstring wide = platform::NarrowToWide(name);
  while (!wide.empty() && (wide.back() == L'.' || wide.back() == L' ')) {
    wide.pop_back();
  }
  for (auto& c : wide) {
    c = static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), unicode));
  }
  return wide;
}

bool IsDeviceName(const std::string& name) {
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') {
    stem.pop_back();
  }
  for (auto& c : stem) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (stem == device) {
      return true;
    }
  }
  const bool port = stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0);
  return port && stem[3] >= '0' && stem[3] <= '9';
}

}  // namespace

const ManifestContext& FuzzManifestContext() {
  static const ManifestContext context{"C:\\Temp\\", "3.0.1.0", "P7"};
  return context;
}

void CheckFileName(const std::string& name, size_t maxBytes) {
  static constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  Check(!name.empty(), "a file name is never empty");
  Check(maxBytes == 0 || name.size() <= maxBytes, "a file name is at most 120 bytes: " + name);
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    Check(byte >= 0x20 && byte != 0x7F, "a file name has no control character: " + name);
    Check(kForbidden.find(c) == std::string_view::npos,
          "a file name has no separator, colon or wildcard: " + name);
  }
  Check(platform::NarrowToWide(name).find(L'?') == std::wstring::npos,
        "every byte of a file name belongs to a character of code page 936: " + name);
  Check(name.back() != '.' && name.back() != ' ',
        "a file name ends in neither a dot nor a blank: " + name);
  Check(!IsDeviceName(name), "a file name names no device: " + name);
}

void CheckPackages(const std::vector<DownInfo>& list) {
  const std::string& folder = FuzzManifestContext().tempDirectory;
  std::set<std::wstring> names;
  for (const auto& entry : list) {
    Check(!entry.url.empty(), "every package has an address");
    Check(entry.localPath.compare(0, folder.size(), folder) == 0,
          "every package lies in the temporary folder: " + entry.localPath);
    const std::string name = entry.localPath.substr(folder.size());
    CheckFileName(name, 0);
    Check(names.insert(WindowsComparisonForm(name)).second,
          "no two packages share a file: " + name);
  }
}

}  // namespace fuzz
