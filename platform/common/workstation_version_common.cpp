#include "platform/common/system_workstation_version.h"
#include "platform/common/testing_override.h"
#include "platform/workstation_version.h"

namespace platform {
namespace {
TestingOverride<WorkstationVersionQuery> testingQuery;
}

bool GetWorkstationVersion(uint32_t& major, uint32_t& minor) {
  if (const WorkstationVersionQuery query = testingQuery.Get()) {
    return query(major, minor);
  }
  return SystemWorkstationVersion(major, minor);
}

void SetWorkstationVersionForTesting(WorkstationVersionQuery query) {
  testingQuery.Set(std::move(query));
}

}  // namespace platform
