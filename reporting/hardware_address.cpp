#include "reporting/hardware_address.h"

#include <cstdio>

std::string FormatHardwareAddress(const uint8_t (&bytes)[8], bool eightBytes) {
  std::string text;
  const int count = eightBytes ? 8 : 6;
  for (int i = 0; i < count; ++i) {
    char pair[4];
    std::snprintf(pair, sizeof pair, i == 0 ? "%02X" : "-%02X", bytes[i]);
    text += pair;
  }
  return text;
}
