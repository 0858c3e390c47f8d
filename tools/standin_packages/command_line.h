// Reading the command lines that the stand-in setup programs are started with.
#pragma once

#include <string>
#include <string_view>

// What follows the program name in a full command line (GetCommandLineW), with the blanks
// before it skipped. The name ends, as Windows reads it, at its closing quote when it starts
// with one and at the first space or tab otherwise.
std::wstring_view ArgumentsOf(std::wstring_view commandLine);

// True when `arguments` is the one switch "/quiet" (in any letter case), blanks around it
// allowed. Setup programs given anything else must not install.
bool IsQuietSwitchOnly(std::wstring_view arguments);

// Reads the silent form of the product's setup, "/S /D=<folder>": the switch /S, then /D=
// and the folder, which is the rest of the line, spaces included and never quoted. Both
// switches are case-sensitive and nothing else may come before the folder. True with
// `folder` set (trailing separators dropped, except for a drive's root) when the arguments
// have that form and the folder is an absolute drive path (IsUsableInstallFolder).
bool ParseSilentInstall(std::wstring_view arguments, std::wstring& folder);

// True for an absolute path on a drive ("C:\..." ) whose components are plain names: not
// empty, not "." or "..", without the characters Windows refuses in names (<>:"/\|?* and
// control characters), and not ending in a dot or a space (Windows would drop those and
// install somewhere else than asked). At most kLongestInstallFolder characters, so the
// product's path inside it stays below MAX_PATH.
bool IsUsableInstallFolder(std::wstring_view folder);

inline constexpr size_t kLongestInstallFolder = 200;
