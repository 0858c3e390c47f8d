#include "platform/common/system_folder_queries.h"
#include "platform/common/testing_override.h"
#include "platform/system_folders.h"

namespace platform {
namespace {
TestingOverride<std::function<std::wstring()>> testingQuery;
}

std::wstring ProgramFilesFolder() {
  if (const auto query = testingQuery.Get()) {
    return query();
  }
  return SystemProgramFilesFolder();
}

void SetProgramFilesFolderForTesting(std::function<std::wstring()> query) {
  testingQuery.Set(std::move(query));
}

}  // namespace platform
