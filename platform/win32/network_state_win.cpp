#include <windows.h>

#include <wininet.h>

#include "platform/common/system_network_state.h"

namespace platform {

bool SystemNetworkConnected() {
  DWORD flags = 0;
  return InternetGetConnectedState(&flags, 0) != FALSE;
}

}  // namespace platform
