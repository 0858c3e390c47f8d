#include "tools/archive_tool/entry_path.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace {

bool IsSeparator(wchar_t c) {
  return c == L'/' || c == L'\\';
}

bool OnlyDotsAndBlanks(const std::wstring& component) {
  return std::all_of(component.begin(), component.end(),
                     [](wchar_t c) { return c == L'.' || c == L' '; });
}

bool IsPortDigit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 (with the superscripts one to three as digits too)
// name devices in every folder, with any extension.
bool IsDeviceName(const std::wstring& component) {
  std::wstring stem = component.substr(0, component.find(L'.'));
  while (!stem.empty() && stem.back() == L' ') {
    stem.pop_back();
  }
  for (auto& c : stem) {
    c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
  static const std::array<std::wstring, 4> kDevices = {L"CON", L"PRN", L"AUX", L"NUL"};
  if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end()) {
    return true;
  }
  const bool numberedPort =
      stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0);
  return numberedPort && IsPortDigit(stem[3]);
}

}  // namespace

bool SplitEntryPath(const std::wstring& name, std::vector<std::wstring>& components) {
  components.clear();
  if (name.empty() || IsSeparator(name[0]) || name.find(L':') != std::wstring::npos) {
    return false;
  }
  size_t start = 0;
  while (start <= name.size()) {
    const auto end =
        std::find_if(name.begin() + static_cast<std::ptrdiff_t>(start), name.end(), IsSeparator);
    const std::wstring component(name.begin() + static_cast<std::ptrdiff_t>(start), end);
    start = static_cast<size_t>(end - name.begin()) + 1;
    if (component.empty() || component == L".") {
      continue;
    }
    if (OnlyDotsAndBlanks(component) || IsDeviceName(component)) {
      components.clear();
      return false;
    }
    components.push_back(component);
  }
  return true;
}
