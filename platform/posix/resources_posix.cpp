#include "platform/common/system_resources.h"

namespace platform {

ResourceBytes FindSystemResource(const std::wstring&, int) {
  return {};
}

}  // namespace platform
