// Strict code page 936 conversions supplied by each platform. They append to `out` and
// return false, leaving `out` unspecified, when any character has no mapping.
#pragma once

#include <string>
#include <string_view>

namespace platform::gbk {

bool DecodeStrict(std::string_view gbk, std::wstring& out);
bool EncodeStrict(std::wstring_view wide, std::string& out);

}  // namespace platform::gbk
