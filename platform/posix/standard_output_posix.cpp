// glibc refuses wide output on a stream that already carries narrow output, so the line is
// formatted wide and written as bytes.
#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "platform/standard_output.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

constexpr size_t kFirstBufferSize = 512;
constexpr size_t kLargestBufferSize = 1u << 20;

}  // namespace

void PrintWide(const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(kFirstBufferSize);
  for (;;) {
    va_list arguments;
    va_start(arguments, format);
    const int length = vswprintf(buffer.data(), buffer.size(), format, arguments);
    va_end(arguments);
    if (length >= 0) {
      const std::string bytes =
          WideToUtf8(std::wstring(buffer.data(), static_cast<size_t>(length)));
      std::fwrite(bytes.data(), 1, bytes.size(), stdout);
      std::fflush(stdout);
      return;
    }
    // vswprintf does not say how much room it needs; a failure may also be a bad format.
    if (buffer.size() >= kLargestBufferSize) {
      return;
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace platform
