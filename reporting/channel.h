// The distribution channel: the text between the last two underscores of the program's file
// name ("setup_P7_1.exe" gives "P7"), "P2" when the name has no such pair. Computed once
// during static initialisation and constant afterwards.
#pragma once

#include <string>

// The channel named by a program path (any folder part and the extension are ignored).
// Underscores are looked for in characters, never inside a double-byte character.
std::string ChannelFromProgramPath(const std::wstring& path);

// The channel of the running program.
std::string DetermineChannel();

// The process-wide channel.
const std::string& Channel();
