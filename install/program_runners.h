// Runners for a package's own setup program and for the Windows Installer. Both return as
// soon as the process exists and hand its handle to the caller, who must close it.
#pragma once

#include <string>

#include "platform/processes.h"

// Direct form: "<program>" <arguments>. Interpreter form:
// cmd.exe /c "<program>" <arguments>. True when the process was started.
bool RunProgram(const std::string& program, const std::string& arguments,
                platform::ProcessHandle& process, bool throughInterpreter);

// msiexec.exe /i "<package>" <arguments>. Does not look for the package file.
bool RunMsiInstall(const std::string& package, const std::string& arguments,
                   platform::ProcessHandle& process);
