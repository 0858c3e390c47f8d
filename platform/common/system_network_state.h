// The platform's own connection test, supplied by each platform.
#pragma once

namespace platform {

bool SystemNetworkConnected();

}  // namespace platform
