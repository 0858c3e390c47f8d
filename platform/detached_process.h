// Starting a program that runs on by itself: nothing waits for it, no handle is kept, and
// its standard input and output are not the caller's. Meant for helper programs such as a
// test's stand-in server; under Wine a Windows program can start a Linux program this way.
#pragma once

#include <string>
#include <vector>

namespace platform {

// `arguments[0]` names the program (a path). True when the program was started.
bool StartDetachedProcess(const std::vector<std::wstring>& arguments);

}  // namespace platform
