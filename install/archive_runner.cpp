#include "install/archive_runner.h"

#include "install/download_folder.h"
#include "install/process_runner.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"

namespace {

constexpr wchar_t kToolResourceType[] = L"EXE";
constexpr int kToolResourceId = 104;
constexpr char kToolFileName[] = "7za.exe";

}  // namespace

bool WriteToolFromResource(const std::wstring& path) {
  const platform::ResourceBytes tool =
      platform::FindProgramResource(kToolResourceType, kToolResourceId);
  return tool && platform::WriteWholeFile(path, tool.data, tool.size);
}

bool ExtractArchive(const std::string& archive, const std::string& outputDirectory) {
  const std::string temp = platform::RemoveTrailingBackslash(DownloadFolder());
  if (temp.empty()) {
    return false;
  }
  const std::wstring toolPath = platform::NarrowToWide(temp + "\\" + kToolFileName);
  if (!WriteToolFromResource(toolPath)) {
    return false;
  }
  // Built to any length: a command line cut short could name another folder or archive.
  const std::wstring arguments = L"x -y -aoa -o\"" + platform::NarrowToWide(outputDirectory) +
                                 L"\" \"" + platform::NarrowToWide(archive) + L"\"";
  return RunProcess(toolPath.c_str(), arguments.c_str(), true, nullptr);
}
