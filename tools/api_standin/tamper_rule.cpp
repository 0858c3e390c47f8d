#include "tools/api_standin/tamper_rule.h"

#include "tools/api_standin/decimal_text.h"

bool ParseTamperRule(const std::string& text, TamperRule& rule, std::string& error) {
  const size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0 || text[0] != '/' ||
      !ParseDecimal(text.substr(equals + 1), 1000000, rule.count)) {
    error = "bad tamper rule (PATH=N): " + text;
    return false;
  }
  rule.path = text.substr(0, equals);
  return true;
}

std::string TamperedBytes(std::string bytes) {
  for (char& byte : bytes) {
    byte = static_cast<char>(~static_cast<unsigned char>(byte));
  }
  return bytes;
}
