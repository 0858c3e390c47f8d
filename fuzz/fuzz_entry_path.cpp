// The archive tool's check of member names: any name, read as UTF-8 and as code page 936
// (as the tool reads it by the member's flag), split and checked to stay below the folder.
#include <cstddef>
#include <cstdint>
#include <cwctype>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/text_encoding.h"
#include "tools/archive_tool/entry_path.h"

namespace {

std::wstring Upper(std::wstring text) {
  for (auto& c : text) {
    c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
  return text;
}

bool IsDevice(const std::wstring& component) {
  std::wstring stem = Upper(component.substr(0, component.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') {
    stem.pop_back();
  }
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
    if (stem == device) {
      return true;
    }
  }
  // Windows reserves COM0 to COM9 and LPT0 to LPT9, and the superscripts one to three too.
  const bool port = stem.size() == 4 && (stem.rfind(L"COM", 0) == 0 || stem.rfind(L"LPT", 0) == 0);
  return port && ((stem[3] >= L'0' && stem[3] <= L'9') || stem[3] == L'\u00B9' ||
                  stem[3] == L'\u00B2' || stem[3] == L'\u00B3');
}

void CheckName(const std::wstring& name) {
  std::vector<std::wstring> components;
  if (!SplitEntryPath(name, components)) {
    fuzz::Check(components.empty(), "a refused name gives no components");
    return;
  }
  for (const auto& component : components) {
    fuzz::Check(!component.empty(), "no component is empty");
    fuzz::Check(component.find_first_of(L"/\\:") == std::wstring::npos,
                "no component holds a separator or a colon");
    fuzz::Check(component.find_first_not_of(L". ") != std::wstring::npos,
                "no component is made only of dots and blanks");
    fuzz::Check(!IsDevice(component), "no component names a device");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  CheckName(platform::Utf8ToWide(name));
  CheckName(platform::NarrowToWide(name));
  return 0;
}
