#include "duilib/attribute_values.h"

#include <cwchar>
#include <vector>

namespace DuiLib {
namespace {

// Splits at commas and parses each part; false unless all are integers.
bool ParseInts(const std::wstring& text, std::vector<int>& values) {
  values.clear();
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(L',', start);
    const size_t end = comma == std::wstring::npos ? text.size() : comma;
    int value = 0;
    if (!ParseInt(text.substr(start, end - start), value)) {
      return false;
    }
    values.push_back(value);
    start = end + 1;
  }
  return true;
}

}  // namespace

bool ParseInt(const std::wstring& text, int& out) {
  const size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) {
    return false;
  }
  const wchar_t* begin = text.c_str() + first;
  wchar_t* end = nullptr;
  const long value = std::wcstol(begin, &end, 10);
  while (end != nullptr && *end == L' ') {
    ++end;
  }
  if (end == begin || *end != L'\0' || value < -1000000 || value > 1000000) {
    return false;
  }
  out = static_cast<int>(value);
  return true;
}

bool ParseBool(const std::wstring& text, bool& out) {
  if (text == L"true" || text == L"false") {
    out = text == L"true";
    return true;
  }
  return false;
}

bool ParseColor(const std::wstring& text, uint32_t& out) {
  if ((text.size() != 7 && text.size() != 9) || text[0] != L'#' ||
      text.find_first_not_of(L"0123456789abcdefABCDEF", 1) != std::wstring::npos) {
    return false;
  }
  const auto value = static_cast<uint32_t>(std::wcstoul(text.c_str() + 1, nullptr, 16));
  out = text.size() == 7 ? (0xFF000000u | value) : value;
  return true;
}

bool ParseSize(const std::wstring& text, platform::ui::Size& out) {
  std::vector<int> values;
  if (!ParseInts(text, values) || values.size() != 2) {
    return false;
  }
  out = {values[0], values[1]};
  return true;
}

bool ParseRect(const std::wstring& text, platform::ui::Rect& out) {
  std::vector<int> values;
  if (!ParseInts(text, values) || values.size() != 4) {
    return false;
  }
  out = {values[0], values[1], values[2], values[3]};
  return true;
}

}  // namespace DuiLib
