// The byte structure of code page 936, shared by both converters: which bytes start a
// character and how long it is. Undefined code points are the converters' business.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform::gbk {

// Length in bytes of the character that starts at `text[0]`: 1 for ASCII and 0x80 (the euro
// sign), 2 for a lead byte followed by a valid trail byte, 0 when the bytes form no character.
inline size_t CharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead <= 0x80) {
    return 1;
  }
  if (lead == 0xFF || text.size() < 2) {
    return 0;
  }
  const auto trail = static_cast<unsigned char>(text[1]);
  const bool validTrail = trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
  return validTrail ? 2 : 0;
}

}  // namespace platform::gbk
