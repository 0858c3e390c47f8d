// Local file names for downloaded packages, taken from their addresses.
//
// A name taken from an address becomes a path in the temporary folder, so it must never
// climb out of that folder, name a device, or be impossible to create (which would make the
// download fail and be retried without end). Ordinary names pass unchanged.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

// The part of `url` after its last "/", once a query ("?") or fragment ("#") is cut off, with
// characters that cannot appear in a Windows file name and bytes that form no character of
// code page 936 replaced by "_", device names ("CON", "NUL", "COM1", ...) prefixed with "_",
// at most 120 bytes long (the extension kept) and trailing dots and blanks removed. Empty
// when nothing usable is left.
std::string PackageFileName(const std::string& url);

// Hands out file names that no two packages share as Windows sees them: letter case and
// trailing dots and blanks are ignored, and the narrow text is read in code page 936.
class UniqueFileNames {
 public:
  // `name` itself when no earlier claim is the same file, else `name` with "_2", "_3", ...
  // inserted before its extension, the first that is free. Each further claim of a name
  // resumes where the last one stopped, so claiming n names takes time linear in n.
  std::string Claim(const std::string& name);

 private:
  std::unordered_set<std::wstring> taken_;
  std::unordered_map<std::wstring, int> nextSuffix_;
};
