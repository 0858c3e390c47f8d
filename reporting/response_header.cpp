#include "reporting/response_header.h"

#include <cctype>
#include <new>

namespace {

bool SameNameIgnoringCase(const std::string& line, size_t length, const std::string& name) {
  if (length != name.size()) {
    return false;
  }
  for (size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(line[i])) !=
        std::tolower(static_cast<unsigned char>(name[i]))) {
      return false;
    }
  }
  return true;
}

void Capture(const std::string& line, ResponseHeader& header) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos || !SameNameIgnoringCase(line, colon, header.name)) {
    return;
  }
  const char* blanks = " \t\r\n";
  const size_t first = line.find_first_not_of(blanks, colon + 1);
  header.value = first == std::string::npos
                     ? std::string()
                     : line.substr(first, line.find_last_not_of(blanks) - first + 1);
  header.found = true;
}

}  // namespace

size_t CaptureResponseHeader(char* data, size_t size, size_t count, void* header) {
  if (data == nullptr || header == nullptr) {
    return 0;
  }
  try {
    Capture(std::string(data, size * count), *static_cast<ResponseHeader*>(header));
  } catch (const std::bad_alloc&) {
    return 0;  // an exception must not unwind through libcurl
  }
  return size * count;
}
