// Starting the installed product, found through its entry in the list of installed programs.
#pragma once

#include <string>

// The product's key name in the list of installed programs.
inline constexpr wchar_t kProductRegistrationName[] = L"QuilloPDF转换器";

// The program file that a "DisplayIcon" value names, in the forms installers write: a path,
// a quoted path, either followed by ",N" (an icon index), with environment variables such as
// %ProgramFiles% expanded. Surrounding blanks are ignored.
std::wstring ProgramOfDisplayIcon(const std::wstring& value);

// Reads "DisplayIcon" of the product's entry under HKEY_LOCAL_MACHINE (the program's own
// registry view) and asks the shell to open the file it names (ProgramOfDisplayIcon), with "runas"
// on Windows 6.0 and later. True when the file was found and handed to the shell, whatever the
// shell then made of it; false when the entry, the value or the file is missing.
bool LaunchInstalledProduct(const std::wstring& registrationName);

// The running Windows' major version times 16 plus its minor version (0x61 for 6.1),
// or -1 when it cannot be obtained.
int GetOsVersionCode();
