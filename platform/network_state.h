// Whether the machine has a network connection of any kind.
#pragma once

namespace platform {

// Windows: InternetGetConnectedState. POSIX: an interface other than loopback is up and
// running. Thread-safe.
bool IsNetworkConnected();

enum class NetworkStateForTesting { kSystem, kOnline, kOffline };

// Makes IsNetworkConnected answer as given (kSystem restores the real answer). Safe while
// other threads ask.
void SetNetworkStateForTesting(NetworkStateForTesting state);

}  // namespace platform
