// Base64 decoding of any text, and encoding of any bytes, each checked against the other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "reporting/base64.h"

namespace {

std::string Decode(const std::string& text) {
  // Exactly the room the decoder asks for, so the address sanitizer sees any overrun.
  std::vector<unsigned char> output(text.size());
  size_t length = 0;
  Base64Decode(text, output.data(), length);
  fuzz::Check(length <= text.size() * 3 / 4, "decoding gives at most 3 bytes per 4 characters");
  return std::string(output.begin(), output.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string encoded = Base64Encode(data, size);
  fuzz::Check(encoded.size() == (size + 2) / 3 * 4, "encoding gives 4 characters per 3 bytes");
  fuzz::Check(Decode(encoded) == input, "decoding undoes encoding");

  const std::string decoded = Decode(input);
  const auto* bytes = reinterpret_cast<const unsigned char*>(decoded.data());
  fuzz::Check(Decode(Base64Encode(bytes, decoded.size())) == decoded,
              "decoded bytes survive a second round");
  return 0;
}
