#include "tests/skin/skin_files.h"

#include <fstream>
#include <iterator>

namespace skin_test {

std::filesystem::path SourceDir() {
  return QUILLO_SOURCE_DIR;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace skin_test
