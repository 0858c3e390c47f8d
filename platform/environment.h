// The process's environment variables.
#pragma once

#include <string>

namespace platform {

// `text` with every %NAME% of a set environment variable replaced by its value, as the
// system expands registry values of type REG_EXPAND_SZ; names of unset variables stay as
// they are. On POSIX the names are looked up as they are written.
std::wstring ExpandEnvironmentVariables(const std::wstring& text);

}  // namespace platform
