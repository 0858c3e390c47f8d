#include "tools/api_standin/decimal_text.h"

#include <cstdlib>

bool ParseDecimal(const std::string& text, uint32_t maximum, uint32_t& value) {
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const auto parsed = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
  if (parsed > maximum) {
    return false;
  }
  value = parsed;
  return true;
}
