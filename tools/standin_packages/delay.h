// How long a stand-in setup program pretends to work. Tests shorten the wait through an
// environment variable; demos keep the defaults, which are a few seconds.
#pragma once

#include <cstdint>
#include <string_view>

// Longest wait a variable may ask for; anything above it is read as a mistake.
inline constexpr uint32_t kLongestDelayMs = 120000;

// `text` as a number of milliseconds: decimal digits only, at most kLongestDelayMs.
// `fallback` for anything else, the empty text included.
uint32_t ParseDelayMs(std::wstring_view text, uint32_t fallback);

// The environment variable `name` read with ParseDelayMs; `fallback` when it is not set.
uint32_t DelayFromEnvironment(const wchar_t* name, uint32_t fallback);
