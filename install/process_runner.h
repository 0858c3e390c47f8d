// The one process starter behind every runner: builds the command line, logs it, starts the
// process hidden and without standard handles, then waits for it or hands its handle back.
#pragma once

#include <functional>
#include <string>

#include "platform/processes.h"

// Command line: `application`, one blank, `arguments` (so empty arguments leave a trailing
// blank); without an application, the arguments alone. Absent texts count as empty.
// Writes "CreateProcess:<line>" before the start and "CreateProcess <line> error: <code>"
// when it fails. With `wait` it waits for the process to end and closes its handle, storing
// nothing; otherwise `process` (when given) receives the handle. True when the process was
// started; false also when cancellation (platform/cancellation.h) ended the wait, leaving
// the process to run on.
bool RunProcess(const wchar_t* application, const wchar_t* arguments, bool wait,
                platform::ProcessHandle* process);

// Calls `observer` with every command line RunProcess is about to start; an empty function
// removes it.
void SetCommandLineObserverForTesting(std::function<void(const std::wstring&)> observer);
