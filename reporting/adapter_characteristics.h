// The "Characteristics" value of a network adapter in the registry's network-adapter class.
#pragma once

#include <cstdint>
#include <string>

// Scans the class's subkeys "0000", "0001", ... for the one whose "NetCfgInstanceId"
// equals `adapterName` (ignoring letter case). -1 when none matches or the class key
// cannot be opened.
int32_t GetAdapterCharacteristics(const std::string& adapterName);
