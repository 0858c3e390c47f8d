// The platform's own shell execution, supplied by each platform.
#pragma once

#include <string>

namespace platform {

bool SystemShellExecuteFile(const std::wstring& file, const std::wstring& verb, int show);

}  // namespace platform
