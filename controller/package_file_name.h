// Local file names for downloaded packages, taken from their addresses.
//
// A name taken from an address becomes a path in the temporary folder, so it must never
// climb out of that folder, name a device, or be impossible to create (which would make the
// download fail and be retried without end). Ordinary names pass unchanged.
#pragma once

#include <string>

// The part of `url` after its last "/", once a query ("?") or fragment ("#") is cut off, with
// characters that cannot appear in a Windows file name replaced by "_", trailing dots and
// blanks removed, device names ("CON", "NUL", "COM1", ...) prefixed with "_", and at most
// 120 bytes long (the extension kept). Empty when nothing usable is left.
std::string PackageFileName(const std::string& url);

// `name` itself, or with "_2", "_3", ... inserted before its extension until `taken` says
// the result is free. `taken` is called with candidate names.
template <typename Taken>
std::string UniqueFileName(const std::string& name, Taken taken) {
  if (!taken(name)) {
    return name;
  }
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  for (int suffix = 2;; ++suffix) {
    std::string candidate = stem + "_" + std::to_string(suffix) + extension;
    if (!taken(candidate)) {
      return candidate;
    }
  }
}
