#include <cwctype>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/common/system_resources.h"
#include "platform/resources.h"
#include "platform/threading.h"

namespace platform {
namespace {

std::wstring LowercaseType(std::wstring text) {
  for (auto& c : text) {
    c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  }
  return text;
}

struct TestingResources {
  Lock lock;
  // Entries are never removed, so the bytes handed out stay valid.
  std::map<std::pair<std::wstring, int>, std::unique_ptr<std::string>> entries;
};

TestingResources& Testing() {
  static TestingResources resources;
  return resources;
}

}  // namespace

ResourceBytes FindProgramResource(const std::wstring& type, int id) {
  {
    auto& testing = Testing();
    ScopedLock hold(testing.lock);
    const auto found = testing.entries.find({LowercaseType(type), id});
    if (found != testing.entries.end()) {
      return {found->second->data(), found->second->size()};
    }
  }
  return FindSystemResource(type, id);
}

void RegisterResourceForTesting(const std::wstring& type, int id, std::string bytes) {
  auto& testing = Testing();
  ScopedLock hold(testing.lock);
  auto& slot = testing.entries[{LowercaseType(type), id}];
  if (slot == nullptr) {
    slot = std::make_unique<std::string>(std::move(bytes));
  } else {
    // Keep the old bytes alive for earlier callers; hand out the new ones from now on.
    static std::vector<std::unique_ptr<std::string>> retired;
    retired.push_back(std::move(slot));
    slot = std::make_unique<std::string>(std::move(bytes));
  }
}

}  // namespace platform
