// The platform's own adapter source, supplied by each platform.
#pragma once

#include "platform/network_adapters.h"

namespace platform {

AdapterSource& SystemAdapters();

}  // namespace platform
