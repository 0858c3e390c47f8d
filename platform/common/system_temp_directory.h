// The temporary folder as the system reports it, supplied by each platform.
#pragma once

#include <string>

namespace platform {

std::string TempDirectoryFromSystem();

}  // namespace platform
