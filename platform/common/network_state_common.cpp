#include <atomic>

#include "platform/common/system_network_state.h"
#include "platform/network_state.h"

namespace platform {

namespace {
std::atomic<NetworkStateForTesting> testingState{NetworkStateForTesting::kSystem};
}

bool IsNetworkConnected() {
  switch (testingState.load()) {
    case NetworkStateForTesting::kOnline:
      return true;
    case NetworkStateForTesting::kOffline:
      return false;
    case NetworkStateForTesting::kSystem:
      break;
  }
  return SystemNetworkConnected();
}

void SetNetworkStateForTesting(NetworkStateForTesting state) {
  testingState.store(state);
}

}  // namespace platform
