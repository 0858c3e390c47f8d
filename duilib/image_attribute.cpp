#include "duilib/image_attribute.h"

#include "duilib/attribute_values.h"

namespace DuiLib {
namespace {

bool ApplyKey(const std::wstring& key, const std::wstring& value, TImageAttribute& image) {
  if (key == L"file") {
    image.file = value;
    return !value.empty();
  }
  if (key == L"dest") {
    image.hasDest = ParseRect(value, image.dest);
    return image.hasDest;
  }
  if (key == L"source") {
    image.hasSource = ParseRect(value, image.source);
    return image.hasSource;
  }
  if (key == L"corner") {
    return ParseRect(value, image.corner);
  }
  return false;
}

}  // namespace

bool ParseImageAttribute(const std::wstring& text, TImageAttribute& out) {
  TImageAttribute image;
  if (text.find(L'=') == std::wstring::npos) {
    image.file = text;
    out = image;
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
    if (!ApplyKey(key, text.substr(equals + 2, close - equals - 2), image)) {
      return false;
    }
    at = close + 1;
  }
  if (image.file.empty()) {
    return false;
  }
  out = image;
  return true;
}

}  // namespace DuiLib
