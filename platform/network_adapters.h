// The machine's network adapters as the platform lists them, in the platform's own order.
//
// Everything goes through an AdapterSource: the system's on each platform (Windows: the
// IP helper queries; POSIX: /sys/class/net and getifaddrs), or a fake that a test installs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

inline constexpr uint32_t kIfTypeOther = 1;
inline constexpr uint32_t kIfTypeEthernet = 6;
inline constexpr uint32_t kIfTypeLoopback = 24;
inline constexpr uint32_t kIfTypeWireless = 71;  // IEEE 802.11

// NCF_PHYSICAL of the network configuration's "Characteristics" value.
inline constexpr int32_t kAdapterPhysical = 0x4;

struct NetworkAdapter {
  std::string name;         // Windows: the adapter's GUID text; POSIX: the interface name
  uint32_t type = 0;        // IF_TYPE_*, see above
  uint8_t address[8] = {};  // hardware address, zero beyond addressLength
  uint32_t addressLength = 0;
  std::string firstIpv4;  // legacy list only: the first IPv4 address, "0.0.0.0" when none
  // Set where the platform knows the characteristics without the registry's adapter class
  // (POSIX: physical when the interface has a device); empty on Windows.
  std::optional<int32_t> characteristics;
};

enum class LegacyListResult {
  kOk,
  kSizeQueryFailed,   // the first call did not report the size it needs
  kAllocationFailed,  // the buffer of that size could not be allocated
  kQueryFailed,       // the second call failed
};

class AdapterSource {
 public:
  virtual ~AdapterSource() = default;
  // The adapter-addresses query (GetAdaptersAddresses). False when it failed, including
  // when the buffer was still too small on the third call.
  virtual bool ListAdapters(std::vector<NetworkAdapter>& adapters) = 0;
  // The older adapter-information query (GetAdaptersInfo), which also gives each adapter's
  // first IPv4 address.
  virtual LegacyListResult ListAdaptersLegacy(std::vector<NetworkAdapter>& adapters) = 0;
};

// The source in use. Thread-safe to call.
AdapterSource& Adapters();

// Installs `source` in place of the system's until called again with nullptr.
void SetAdapterSourceForTesting(AdapterSource* source);

}  // namespace platform
