// The version of the running Windows as its workstation service reports it.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// The major and minor version of the system (NetWkstaGetInfo at level 100 on the local
// computer). False when the service cannot tell; always false on POSIX.
bool GetWorkstationVersion(uint32_t& major, uint32_t& minor);

using WorkstationVersionQuery = std::function<bool(uint32_t& major, uint32_t& minor)>;

// Answers GetWorkstationVersion with `query` until called again with an empty function.
void SetWorkstationVersionForTesting(WorkstationVersionQuery query);

}  // namespace platform
