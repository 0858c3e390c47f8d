// The one process starter behind every runner: builds the command line, logs it, starts the
// process hidden and without standard handles, then waits for it or hands its handle back.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/processes.h"

// Command line: `application`, one blank, `arguments` (so empty arguments leave a trailing
// blank); without an application, the arguments alone. Absent texts count as empty.
// Writes "CreateProcess:<line>" before the start and "CreateProcess <line> error: <code>"
// when it fails. With `wait` it waits for the process to end, writes its exit code (see
// RunProcessAndWait) and closes its handle, storing nothing; otherwise `process` (when given)
// receives the handle. True when the process was started; false also when cancellation
// (platform/cancellation.h) ended the wait, leaving the process to run on.
bool RunProcess(const wchar_t* application, const wchar_t* arguments, bool wait,
                platform::ProcessHandle* process);

// As RunProcess with `wait`, and `exitCode` receives the process's exit code, which is also
// written as the line "CreateProcess <line> exit code: <code>". False when the process could
// not be started, when cancellation ended the wait, or when the code could not be read.
bool RunProcessAndWait(const wchar_t* application, const wchar_t* arguments, uint32_t& exitCode);

// The diagnostic line of a process that ended: "<what> exit code: <code>\r\n".
std::wstring ExitCodeLine(const std::wstring& what, uint32_t exitCode);

// Writes ExitCodeLine to standard output.
void LogExitCode(const std::wstring& what, uint32_t exitCode);

// Calls `observer` with every command line RunProcess is about to start; an empty function
// removes it.
void SetCommandLineObserverForTesting(std::function<void(const std::wstring&)> observer);
