#include "reporting/manifest_public_key.h"

#include <build_config.h>

const char* BuildManifestPublicKey() {
  return QUILLO_MANIFEST_PUBLIC_KEY;
}
