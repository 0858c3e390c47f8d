// Linux paths as seen by a test program: unchanged in Linux builds, and on the drive Z:
// (Wine's view of the Linux root) in Windows builds running under Wine.
#pragma once

#include <string>

std::wstring HostPath(const std::string& linuxPath);
