// The platform's own registry backend, supplied by each platform.
#pragma once

#include "platform/registry.h"

namespace platform {

RegistryBackend& SystemRegistry();

}  // namespace platform
