// The frame shared by the prerequisite stand-ins that the setup starts as "<file>" /quiet.
#pragma once

#include <functional>

// Checks the program's command line and runs `install` when it is the quiet form. Returns
// the exit code: kExitInvalidCommandLine for any other command line (nothing is installed
// then), kExitInstallFailure when `install` fails, kExitSuccess otherwise. The start, the
// refusal and the end are recorded in the event log under `standinName`.
int RunQuietSetup(const wchar_t* standinName, const std::function<bool()>& install);
