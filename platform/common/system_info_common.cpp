#include <atomic>

#include "platform/common/system_architecture.h"
#include "platform/system_info.h"

namespace platform {
namespace {
std::atomic<int> testingArchitecture{-1};
}

uint16_t NativeProcessorArchitecture() {
  const int forced = testingArchitecture.load();
  return forced >= 0 ? static_cast<uint16_t>(forced) : SystemProcessorArchitecture();
}

void SetNativeProcessorArchitectureForTesting(int architecture) {
  testingArchitecture.store(architecture);
}

}  // namespace platform
