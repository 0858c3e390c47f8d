// Decoding of the art's UTF-8 captions.
#pragma once

#include <string_view>
#include <vector>

namespace skin_art {

// Code points of the text; a malformed sequence yields U+FFFD and decoding goes on.
std::vector<char32_t> DecodeUtf8(std::string_view text);

}  // namespace skin_art
