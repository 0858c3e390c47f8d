// Folders that only the current user (and the system's own accounts) may write to, and
// removing whole folder trees.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Creates the folder `path` (narrow, GBK) that must not exist yet, writable only by the
// current user, SYSTEM and the Administrators group (Windows: a protected DACL that
// inherits nothing; POSIX: mode 0700). False when it exists already or cannot be made.
bool CreatePrivateFolder(const std::string& path);

// Removes `path` and everything below it. Links and junctions inside are removed as links,
// never followed, so nothing outside the tree is touched. True when the folder is gone.
bool RemoveFolderTree(const std::string& path);

// Who may do what with `path`, for tests to check: on Windows its DACL in SDDL ("D:P(A;...)"),
// on POSIX its permission bits in octal ("700"). Empty when it cannot be read.
std::string FolderAccessForTesting(const std::string& path);

// The names of the folders directly inside `parent`; empty when it cannot be read.
std::vector<std::string> SubfolderNames(const std::string& parent);

}  // namespace platform
