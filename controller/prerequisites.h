// Whether this machine already has what a prerequisite package would install. Every test
// reads the registry (HKEY_LOCAL_MACHINE) or the system information anew; every failure
// reads as absence.
#pragma once

#include <string>

enum class Net4Profile { Full, Client };

// Reads a string value of a key under HKEY_LOCAL_MACHINE (default registry view) into a
// 520-byte buffer. True and the text when the key opens and the value reads.
bool ReadRegistryString(const std::wstring& keyPath, const std::wstring& valueName,
                        std::wstring& text);

// True when the profile's "Version" begins with "4.".
bool IsNet4Installed(Net4Profile profile);

// True when some subkey of the list of installed programs has a "DisplayName" containing
// `searched` (case-sensitive). `use64BitView` looks at the 64-bit registry from a 32-bit
// process.
bool IsUninstallEntryPresent(const std::wstring& searched, bool use64BitView);

// True when the operating system (not this program) is 64-bit: x64 or IA-64.
bool IsNativeX64();
