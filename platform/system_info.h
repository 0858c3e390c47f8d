// Facts about the running system.
#pragma once

#include <cstdint>

namespace platform {

// Processor architecture of the operating system (not of this program), as the values of
// GetNativeSystemInfo: 0 x86, 5 ARM, 6 IA-64, 9 x64, 12 ARM64; 0xFFFF when unknown.
uint16_t NativeProcessorArchitecture();

// Makes NativeProcessorArchitecture return `architecture`; a negative value restores the
// system's answer.
void SetNativeProcessorArchitectureForTesting(int architecture);

}  // namespace platform
