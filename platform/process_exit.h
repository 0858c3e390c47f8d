// Ending the running process without any clean-up.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Ends the running process at once with `exitCode`: standard output is flushed, then no
// thread is stopped or waited for, no static object is destroyed and nothing else runs
// (TerminateProcess on the own process; POSIX: _exit). Does not return, unless a test has
// replaced it.
void EndProcessNow(uint32_t exitCode);

// Calls `end` in place of ending the process, which then goes on, until called again with
// an empty function.
void SetEndProcessForTesting(std::function<void(uint32_t exitCode)> end);

}  // namespace platform
