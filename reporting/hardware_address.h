// Hardware addresses as text: upper-case hexadecimal byte pairs joined by "-".
#pragma once

#include <cstdint>
#include <string>

// The first six bytes ("00-1A-2B-3C-4D-5E") when `eightBytes` is false, else all eight.
std::string FormatHardwareAddress(const uint8_t (&bytes)[8], bool eightBytes);
