#include "controller/manifest_member.h"

#include <cctype>
#include <limits>

std::string MemberText(const Json::Value& object, const char* name) {
  if (!object.isObject()) {
    return {};
  }
  const Json::Value& member = object[name];
  switch (member.type()) {
    case Json::stringValue:
    case Json::intValue:
    case Json::uintValue:
    case Json::realValue:
    case Json::booleanValue:
      return member.asString();
    default:
      return {};
  }
}

uint32_t LeadingDecimal(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
    ++i;
  }
  if (i < text.size() && text[i] == '+') {
    ++i;
  }
  uint64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > std::numeric_limits<uint32_t>::max()) {
      return std::numeric_limits<uint32_t>::max();
    }
  }
  return static_cast<uint32_t>(value);
}
