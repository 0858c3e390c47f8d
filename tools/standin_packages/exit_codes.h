// Exit codes of the stand-in setup programs, the ones Windows Installer setups use, so that a
// log reads the same as with the real programs.
#pragma once

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitInstallFailure = 1603;      // ERROR_INSTALL_FAILURE
inline constexpr int kExitInvalidCommandLine = 1639;  // ERROR_INVALID_COMMAND_LINE
