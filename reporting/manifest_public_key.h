// The manifest public key this program was built with, as configured (Base64 text, empty
// for none). Alone in its own library, so that a test build of the setup program can link
// another key in its place without compiling anything else again.
#pragma once

const char* BuildManifestPublicKey();
