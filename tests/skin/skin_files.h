// Reading the committed skin and resource files that these tests check.
#pragma once

#include <filesystem>
#include <string>

namespace skin_test {

// The repository's source folder, compiled in by the build.
std::filesystem::path SourceDir();

// The whole file, or an empty string when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

}  // namespace skin_test
