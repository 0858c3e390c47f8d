// The manifest public key of the setup program's signed-manifest test build: the public half
// of tests/reporting/data/manifest_signing_key.pem, linked in place of the configured one.
#include "reporting/manifest_public_key.h"

const char* BuildManifestPublicKey() {
  return QUILLO_TEST_MANIFEST_PUBLIC_KEY;
}
