#include "install/download_folder.h"

#include <cctype>
#include <mutex>

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

// Held for every read and write of TheFolder(): the installer threads read it while the
// window's thread may, at the end of a run, remove it.
std::mutex& FolderLock() {
  static std::mutex lock;
  return lock;
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
  const std::string temp = platform::TempDirectory();
  const std::string name = RandomName();
  const bool created = !temp.empty() && !name.empty() && platform::CreatePrivateFolder(temp + name);
  std::lock_guard<std::mutex> hold(FolderLock());
  TheFolder() = created ? RunFolder{FolderState::kCreated, temp + name + "\\"}
                        : RunFolder{FolderState::kUnavailable, {}};
  return created;
}

std::string DownloadFolder() {
  std::lock_guard<std::mutex> hold(FolderLock());
  const RunFolder& folder = TheFolder();
  return folder.state == FolderState::kNotCreated ? platform::TempDirectory() : folder.path;
}

void RemoveDownloadFolder() {
  std::string path;
  {
    std::lock_guard<std::mutex> hold(FolderLock());
    RunFolder& folder = TheFolder();
    if (folder.state != FolderState::kCreated) {
      return;
    }
    path = folder.path;
    folder = RunFolder{FolderState::kUnavailable, {}};
  }
  platform::RemoveFolderTree(platform::RemoveTrailingBackslash(path));
}

void ResetDownloadFolderForTesting() {
  std::lock_guard<std::mutex> hold(FolderLock());
  TheFolder() = RunFolder{};
}
