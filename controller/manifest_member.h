// Reading members of the manifest's JSON objects, which the server writes as strings.
#pragma once

#include <json/value.h>

#include <cstdint>
#include <string>

// The member `name` of `object` as text: a string as it is, a number as its decimal text,
// a boolean as "true" or "false"; empty when the member is absent or null, when it holds an
// array or an object, and when `object` is not an object at all.
std::string MemberText(const Json::Value& object, const char* name);

// The value of the decimal digits at the start of `text` (after blanks and an optional "+"),
// 0 when there are none or when the text is negative, and 4294967295 when it is larger.
uint32_t LeadingDecimal(const std::string& text);
