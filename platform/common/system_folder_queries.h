// The platform's own folder queries, supplied by each platform.
#pragma once

#include <string>

namespace platform {

std::wstring SystemProgramFilesFolder();

}  // namespace platform
