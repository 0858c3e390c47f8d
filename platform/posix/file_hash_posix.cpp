#include <cstdio>
#include <memory>
#include <vector>

#include "platform/crypto.h"
#include "platform/files.h"

namespace platform {

namespace {

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool Sha256OfFile(const std::wstring& path, Sha256Digest& digest) {
  const std::unique_ptr<std::FILE, FileClose> file(std::fopen(NativePath(path).c_str(), "rb"));
  if (file == nullptr) {
    return false;
  }
  Sha256 hash;
  std::vector<char> buffer(64 * 1024);
  size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), file.get())) > 0) {
    if (!hash.Update(buffer.data(), got)) {
      return false;
    }
  }
  return std::ferror(file.get()) == 0 && hash.Finish(digest);
}

}  // namespace platform
