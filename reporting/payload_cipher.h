// Payloads exchanged with the maker's API: AES-128 in ECB mode with PKCS#7 padding, carried
// as Base64 text. Both directions return an empty string on failure.
#pragma once

#include <string>

// Plain bytes to Base64 text. A key longer than 16 bytes gives the empty string; a shorter
// one is completed with zero bytes.
std::string EncryptPayload(std::string plain, std::string key);

// Base64 text to plain bytes; white space at the end of `text` is ignored. Gives the empty string
// for a key longer than 16 bytes, a text whose length is not a multiple of 4, and a text that does
// not decode to whole 16-byte blocks (which no enciphered payload can be). A padding value
// outside 1..16 is left in place.
std::string DecryptPayload(std::string text, std::string key);
