// Command lines as Windows programs receive them: one text that the started program splits
// into its arguments.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Splits `commandLine` as the Windows C run-time splits it for a program's argv:
// - the program name runs to the first blank or tab; a double quote only toggles quoting
//   there, and backslashes are plain characters;
// - in the arguments, 2n backslashes before a double quote give n backslashes and the quote
//   toggles quoting; 2n+1 backslashes give n backslashes and a literal quote; backslashes
//   before anything else are plain; inside quotes a doubled quote is a literal quote;
// - "" on its own is an empty argument.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);

}  // namespace platform
