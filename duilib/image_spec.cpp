#include "duilib/image_spec.h"

#include "duilib/attribute_values.h"

namespace DuiLib {
namespace {

bool ApplyKey(const std::wstring& key, const std::wstring& value, TImageSpec& spec) {
  if (key == L"file") {
    spec.file = value;
    return !value.empty();
  }
  if (key == L"dest") {
    spec.hasDest = ParseRect(value, spec.dest);
    return spec.hasDest;
  }
  if (key == L"source") {
    spec.hasSource = ParseRect(value, spec.source);
    return spec.hasSource;
  }
  if (key == L"corner") {
    return ParseRect(value, spec.corner);
  }
  return false;
}

}  // namespace

bool ParseImageSpec(const std::wstring& text, TImageSpec& out) {
  TImageSpec spec;
  if (text.find(L'=') == std::wstring::npos) {
    spec.file = text;
    out = spec;
    return !text.empty() && text.find(L'\'') == std::wstring::npos;
  }
  size_t at = 0;
  while (at < text.size()) {
    if (text[at] == L' ') {
      ++at;
      continue;
    }
    const size_t equals = text.find(L'=', at);
    if (equals == std::wstring::npos || equals + 1 >= text.size() || text[equals + 1] != L'\'') {
      return false;
    }
    const size_t close = text.find(L'\'', equals + 2);
    if (close == std::wstring::npos) {
      return false;
    }
    const std::wstring key = text.substr(at, equals - at);
    if (!ApplyKey(key, text.substr(equals + 2, close - equals - 2), spec)) {
      return false;
    }
    at = close + 1;
  }
  if (spec.file.empty()) {
    return false;
  }
  out = spec;
  return true;
}

}  // namespace DuiLib
