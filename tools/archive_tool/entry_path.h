// Where an archive member may be written: only below the output folder.
#pragma once

#include <string>
#include <vector>

// Splits a member name (separators '/' or '\') into the folder names and file name below
// the output folder. False for a name that could land anywhere else or on a device: an
// absolute name, a drive letter or any other ':', a component made only of dots and blanks
// other than "." (which Windows would read as ".."), or a reserved device name such as CON
// or NUL. "." and empty components are dropped, so "./a//b" is "a\b".
bool SplitEntryPath(const std::wstring& name, std::vector<std::wstring>& components);
