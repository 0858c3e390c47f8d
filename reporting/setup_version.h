// The installer version: the running program file's own file version, "%d.%d.%d.%d", sent
// with every step report. Process-wide, empty until the entry point stores ReadOwnVersion's
// answer before any worker thread starts, and only read afterwards.
#pragma once

#include <string>

#include "platform/file_version.h"

// "A.B.C.D" from the four parts.
std::wstring FormatVersion(const platform::FileVersion& version);

// The version text of the running program file, or empty when it carries no version.
std::wstring ReadOwnVersion();

const std::wstring& InstallerVersion();
void SetInstallerVersion(const std::wstring& version);
