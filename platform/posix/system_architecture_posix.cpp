#include <sys/utsname.h>

#include <cstring>

#include "platform/common/system_architecture.h"

namespace platform {

uint16_t SystemProcessorArchitecture() {
  utsname name{};
  if (uname(&name) != 0) {
    return 0xFFFF;
  }
  struct Known {
    const char* machine;
    uint16_t architecture;
  };
  static constexpr Known kKnown[] = {
      {"x86_64", 9}, {"ia64", 6}, {"aarch64", 12}, {"i686", 0}, {"i386", 0}, {"armv7l", 5},
  };
  for (const auto& known : kKnown) {
    if (std::strcmp(name.machine, known.machine) == 0) {
      return known.architecture;
    }
  }
  return 0xFFFF;
}

}  // namespace platform
