#include "install/download_folder.h"

#include <cctype>

#include "platform/crypto.h"
#include "platform/files.h"
#include "platform/private_folder.h"

namespace {

constexpr char kNamePrefix[] = "QuilloSetup-";
constexpr size_t kRandomBytes = 16;

enum class FolderState { kNotCreated, kCreated, kUnavailable };

struct RunFolder {
  FolderState state = FolderState::kNotCreated;
  std::string path;  // ends in a backslash while created
};

RunFolder& TheFolder() {
  static RunFolder folder;
  return folder;
}

std::string RandomName() {
  unsigned char bytes[kRandomBytes];
  if (!platform::RandomBytes(bytes, sizeof bytes)) {
    return {};
  }
  const char* digits = "0123456789abcdef";
  std::string name = kNamePrefix;
  for (unsigned char byte : bytes) {
    name += digits[byte >> 4];
    name += digits[byte & 0x0F];
  }
  return name;
}

}  // namespace

bool IsDownloadFolderName(const std::string& name) {
  const size_t prefix = sizeof kNamePrefix - 1;
  if (name.size() != prefix + 2 * kRandomBytes || name.compare(0, prefix, kNamePrefix) != 0) {
    return false;
  }
  for (size_t i = prefix; i < name.size(); ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(name[i])) ||
        std::isupper(static_cast<unsigned char>(name[i]))) {
      return false;
    }
  }
  return true;
}

void RemoveLeftoverDownloadFolders() {
  const std::string temp = platform::TempDirectory();
  if (temp.empty()) {
    return;
  }
  for (const std::string& name :
       platform::SubfolderNames(platform::RemoveTrailingBackslash(temp))) {
    if (IsDownloadFolderName(name)) {
      platform::RemoveFolderTree(temp + name);
    }
  }
}

bool CreateDownloadFolder() {
  RunFolder& folder = TheFolder();
  folder = RunFolder{FolderState::kUnavailable, {}};
  const std::string temp = platform::TempDirectory();
  const std::string name = RandomName();
  if (temp.empty() || name.empty() || !platform::CreatePrivateFolder(temp + name)) {
    return false;
  }
  folder = RunFolder{FolderState::kCreated, temp + name + "\\"};
  return true;
}

std::string DownloadFolder() {
  const RunFolder& folder = TheFolder();
  return folder.state == FolderState::kNotCreated ? platform::TempDirectory() : folder.path;
}

void RemoveDownloadFolder() {
  RunFolder& folder = TheFolder();
  if (folder.state == FolderState::kCreated) {
    platform::RemoveFolderTree(platform::RemoveTrailingBackslash(folder.path));
    folder = RunFolder{FolderState::kUnavailable, {}};
  }
}

void ResetDownloadFolderForTesting() {
  TheFolder() = RunFolder{};
}
