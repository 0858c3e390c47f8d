// Addresses on the maker's API server. The host (with an optional port) is build
// configuration; the paths are part of the server contract.
#pragma once

#include <string>

// "http://HOST/api-pdf/get-zhq-package": the enciphered package manifest.
std::string ManifestUrl();

// "http://HOST/api-pdf/soft-pdf": where step reports are posted.
std::string StatisticsUrl();

// Makes both URLs use `host` (for example "127.0.0.1:40123") until called again with an
// empty text, which restores the configured host. Safe while other threads read the URLs.
void SetApiHostForTesting(const std::string& host);
