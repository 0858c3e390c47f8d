// Command-line numbers: plain decimal digits, no sign, within a bound.
#pragma once

#include <cstdint>
#include <string>

bool ParseDecimal(const std::string& text, uint32_t maximum, uint32_t& value);
