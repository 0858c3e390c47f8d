#include "platform/crypto.h"

namespace platform {

bool Sha256Of(const std::string& bytes, Sha256Digest& digest) {
  Sha256 hash;
  return hash.Update(bytes.data(), bytes.size()) && hash.Finish(digest);
}

}  // namespace platform
