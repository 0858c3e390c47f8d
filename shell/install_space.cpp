#include "shell/install_space.h"

#include <cwchar>

#include "platform/disk_space.h"

namespace {

constexpr uint64_t kMebibyte = 1048576;

uint64_t FreeBytesOfDrive(wchar_t driveLetter) {
  uint64_t freeBytes = 0;
  if (!platform::GetDiskFreeBytes(std::wstring{driveLetter, L':'}, freeBytes)) {
    return 0;
  }
  return freeBytes;
}

template <typename... Values>
std::wstring Format(const wchar_t* format, Values... values) {
  wchar_t text[64] = {};
  std::swprintf(text, 64, format, values...);
  return text;
}

}  // namespace

uint64_t FreeBytesOfFolderDrive(const std::wstring& folder) {
  return folder.empty() ? 0 : FreeBytesOfDrive(folder[0]);
}

bool CheckDiskSpace(wchar_t driveLetter) {
  return FreeBytesOfDrive(driveLetter) / kMebibyte > static_cast<uint64_t>(kNeededSizeMb);
}

std::wstring FormatAvailableSpace(uint64_t freeBytes) {
  const float mebibytes = static_cast<float>(freeBytes >> 20);
  if (mebibytes > 1024.0f) {
    return Format(L"%.2fGB", static_cast<double>(mebibytes * 0.0009765625f));
  }
  return Format(L"%.2fMB", static_cast<double>(mebibytes));
}

std::wstring FormatNeededSpace() {
  return Format(L"%dMB", kNeededSizeMb);
}

std::wstring LowDiskSpaceMessage() {
  return Format(L"安装磁盘空间不足，所需空间%dM", kNeededSizeMb);
}
