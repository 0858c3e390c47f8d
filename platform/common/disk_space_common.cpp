#include "platform/common/system_disk_space.h"
#include "platform/common/testing_override.h"
#include "platform/disk_space.h"

namespace platform {
namespace {
TestingOverride<DiskFreeQuery> testingQuery;
}

bool GetDiskFreeBytes(const std::wstring& root, uint64_t& freeBytes) {
  if (const DiskFreeQuery query = testingQuery.Get()) {
    return query(root, freeBytes);
  }
  return SystemDiskFreeBytes(root, freeBytes);
}

void SetDiskFreeSpaceForTesting(DiskFreeQuery query) {
  testingQuery.Set(std::move(query));
}

}  // namespace platform
