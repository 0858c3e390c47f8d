#include <cstdio>

#include "platform/common/system_process_exit.h"
#include "platform/common/testing_override.h"
#include "platform/process_exit.h"

namespace platform {
namespace {
TestingOverride<std::function<void(uint32_t)>> testingEnd;
}

void EndProcessNow(uint32_t exitCode) {
  if (const auto end = testingEnd.Get()) {
    end(exitCode);
    return;
  }
  // Diagnostic lines written so far would otherwise be lost with the buffers.
  std::fflush(stdout);
  SystemEndProcessNow(exitCode);
}

void SetEndProcessForTesting(std::function<void(uint32_t exitCode)> end) {
  testingEnd.Set(std::move(end));
}

}  // namespace platform
