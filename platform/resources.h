// Resources carried inside the running program file.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

struct ResourceBytes {
  const void* data = nullptr;  // valid for the life of the process; never freed
  size_t size = 0;
  explicit operator bool() const { return data != nullptr; }
};

// The resource of `type` (compared without regard to letter case) and numeric `id` in the
// running program; empty when missing or unreadable. POSIX programs carry no resources and
// see only those registered for testing.
ResourceBytes FindProgramResource(const std::wstring& type, int id);

// Makes FindProgramResource return a copy of `bytes` for (`type`, `id`) on every platform.
void RegisterResourceForTesting(const std::wstring& type, int id, std::string bytes);

}  // namespace platform
