#include <cstdarg>
#include <cstdio>

#include "platform/standard_output.h"

namespace platform {

void PrintWide(const wchar_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  vfwprintf(stdout, format, arguments);
  va_end(arguments);
  fflush(stdout);
}

}  // namespace platform
