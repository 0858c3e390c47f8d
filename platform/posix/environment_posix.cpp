#include <algorithm>
#include <cstdlib>

#include "platform/environment.h"
#include "platform/text_encoding.h"

namespace platform {

std::wstring ExpandEnvironmentVariables(const std::wstring& text) {
  std::wstring expanded;
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find(L'%', at);
    const size_t close = open == std::wstring::npos ? open : text.find(L'%', open + 1);
    if (close == std::wstring::npos) {
      break;
    }
    expanded += text.substr(at, open - at);
    const std::string name = WideToUtf8(text.substr(open + 1, close - open - 1));
    const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
    if (value != nullptr) {
      expanded += Utf8ToWide(value);
      at = close + 1;
    } else {
      // Not a variable: the first % stays, and the second may open the next name.
      expanded += L'%';
      at = open + 1;
    }
  }
  return expanded + text.substr(std::min(at, text.size()));
}

}  // namespace platform
