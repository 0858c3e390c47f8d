// One network adapter as the machine identity sees it.
#pragma once

#include <cstdint>
#include <string>

struct AdapterRecord {
  std::string mac;               // "00-1A-2B-3C-4D-5E" (or the eight-byte form); may be empty
  int32_t characteristics = -1;  // registry "Characteristics"; -1 when no entry matched
  int32_t type = 0;              // interface type: 6 Ethernet, 71 IEEE 802.11 wireless
  uint32_t addressLength = 0;    // bytes in the hardware address
};
