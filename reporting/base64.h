// Base64 as RFC 4648 defines it: the standard alphabet, '=' padding, no line breaks.
#pragma once

#include <cstddef>
#include <string>

// The 64 characters of the standard alphabet, fixed before the program's code runs.
extern const char* const kBase64Alphabet;

std::string Base64Encode(const unsigned char* bytes, size_t length);

// Decodes `text` from its start into `output`, which must hold at least text.size() bytes,
// and stores the number of bytes written in `outputLength`. Decoding stops at the first '='
// or at the first character outside the alphabet (a line break ends the data). A final
// group of two or three characters gives one or two bytes; a single leftover character
// gives none.
void Base64Decode(const std::string& text, unsigned char* output, size_t& outputLength);
