#include "platform/proxy_settings.h"

namespace platform {

// No system-wide setting: libcurl's own reading of http_proxy and no_proxy stays in force.
HttpProxy CurrentUserHttpProxy() {
  return {};
}

}  // namespace platform
