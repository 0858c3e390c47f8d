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
// 7-Zip's exit codes: 0 done, 1 done with warnings (files that were in use), 2 and above
// errors: a damaged archive, a full disk, a bad command line.
constexpr uint32_t kLastSuccessfulExitCode = 1;

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
  // Quoted: a temporary folder below a user name with a blank would otherwise split the
  // tool's path into a program that does not exist and an argument.
  const std::wstring application = L"\"" + toolPath + L"\"";
  uint32_t exitCode = 0;
  return RunProcessAndWait(application.c_str(), arguments.c_str(), exitCode) &&
         exitCode <= kLastSuccessfulExitCode;
}
