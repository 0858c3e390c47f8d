#include <ifaddrs.h>
#include <net/if.h>

#include "platform/common/system_network_state.h"

namespace platform {

bool SystemNetworkConnected() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) {
    return false;
  }
  bool connected = false;
  for (const ifaddrs* entry = list; entry != nullptr && !connected; entry = entry->ifa_next) {
    const unsigned flags = entry->ifa_flags;
    connected = (flags & IFF_LOOPBACK) == 0 && (flags & IFF_UP) != 0 && (flags & IFF_RUNNING) != 0;
  }
  freeifaddrs(list);
  return connected;
}

}  // namespace platform
