#include <windows.h>

#include "platform/common/gbk_codec.h"

namespace platform::gbk {
namespace {
constexpr UINT kCodePage = 936;
}

bool DecodeStrict(std::string_view gbk, std::wstring& out) {
  if (gbk.empty()) {
    return true;
  }
  const int length = static_cast<int>(gbk.size());
  const int needed =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length, nullptr, 0);
  if (needed <= 0) {
    return false;
  }
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(needed));
  return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, gbk.data(), length,
                             out.data() + start, needed) == needed;
}

bool EncodeStrict(std::wstring_view wide, std::string& out) {
  if (wide.empty()) {
    return true;
  }
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int needed = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                         nullptr, 0, nullptr, &usedDefault);
  if (needed <= 0 || usedDefault) {
    return false;
  }
  const size_t start = out.size();
  out.resize(start + static_cast<size_t>(needed));
  const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), length,
                                          out.data() + start, needed, nullptr, &usedDefault);
  return written == needed && !usedDefault;
}

}  // namespace platform::gbk
