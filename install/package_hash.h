// The optional SHA-256 of a package, checked once its download has finished.
#pragma once

#include <optional>
#include <string>

#include "platform/crypto.h"

// The digest written as 64 hexadecimal digits, either case. False for any other text.
bool ParseSha256Text(const std::string& text, platform::Sha256Digest& digest);

// True when there is nothing to check (`expected` is absent) or the file's SHA-256 equals
// `expected`. A malformed `expected`, an unreadable file or a different hash gives false:
// a file that cannot be vouched for is never taken as good. Reads the file once, in pieces.
bool IsPackageIntact(const std::string& localPath, const std::optional<std::string>& expected);
