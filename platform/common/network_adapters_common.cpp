#include <atomic>

#include "platform/common/system_adapters.h"

namespace platform {

namespace {
std::atomic<AdapterSource*> testingSource{nullptr};
}

AdapterSource& Adapters() {
  AdapterSource* source = testingSource.load();
  return source != nullptr ? *source : SystemAdapters();
}

void SetAdapterSourceForTesting(AdapterSource* source) {
  testingSource.store(source);
}

}  // namespace platform
