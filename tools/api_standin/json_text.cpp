#include "tools/api_standin/json_text.h"

#include <cstdio>

std::string JsonQuote(const std::string& bytes) {
  std::string quoted = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte >= 0x20 && byte < 0x7F) {
      quoted += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      quoted += escaped;
    }
  }
  return quoted + "\"";
}
