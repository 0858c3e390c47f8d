// Conversions between wide text and the narrow encodings the program uses.
//
// Wide text is UTF-16 on Windows and UTF-32 elsewhere (wchar_t). Package data, paths and
// command lines travel as narrow text in code page 936 (GBK); layouts are UTF-8.
// All functions are thread-safe and never read or change the process's locale.
#pragma once

#include <string>

namespace platform {

// UTF-16/32 to code page 936. A character GBK cannot represent becomes '?'.
std::string WideToNarrow(const std::wstring& wide);

// Code page 936 to UTF-16/32. A byte sequence that is not a GBK character becomes '?'.
std::wstring NarrowToWide(const std::string& narrow);

// UTF-8 to wide text and back. Malformed UTF-8 becomes U+FFFD.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

}  // namespace platform
