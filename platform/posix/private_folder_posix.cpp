#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/files.h"
#include "platform/private_folder.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

std::string Native(const std::string& path) {
  return NativePath(NarrowToWide(path));
}

bool RemoveNativeTree(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) {
    return true;
  }
  if (!S_ISDIR(info.st_mode)) {
    return unlink(path.c_str()) == 0;
  }
  if (DIR* folder = opendir(path.c_str())) {
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") {
        RemoveNativeTree(path + "/" + name);
      }
    }
    closedir(folder);
  }
  return rmdir(path.c_str()) == 0;
}

}  // namespace

bool CreatePrivateFolder(const std::string& path) {
  return mkdir(Native(path).c_str(), 0700) == 0;
}

bool RemoveFolderTree(const std::string& path) {
  const std::string native = Native(path);
  RemoveNativeTree(native);
  struct stat info {};
  return lstat(native.c_str(), &info) != 0;
}

std::string FolderAccessForTesting(const std::string& path) {
  struct stat info {};
  if (stat(Native(path).c_str(), &info) != 0) {
    return {};
  }
  char text[8];
  std::snprintf(text, sizeof text, "%o", static_cast<unsigned>(info.st_mode & 0777));
  return text;
}

std::vector<std::string> SubfolderNames(const std::string& parent) {
  std::vector<std::string> names;
  const std::string native = Native(parent);
  DIR* folder = opendir(native.c_str());
  if (folder == nullptr) {
    return names;
  }
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    struct stat info {};
    if (name != "." && name != ".." && lstat((native + "/" + name).c_str(), &info) == 0 &&
        S_ISDIR(info.st_mode)) {
      names.push_back(name);  // the names looked for are ASCII
    }
  }
  closedir(folder);
  return names;
}

}  // namespace platform
