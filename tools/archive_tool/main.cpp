// archive_tool: the setup program's own archive extractor, carried as resource "EXE" 104
// and run as 7za.exe with the 7-Zip command line x -y -aoa -o"<folder>" "<archive>".
// Exit codes as 7-Zip's: 0 done, 2 fatal error, 7 bad command line.
#include <string>
#include <vector>

#include "platform/program_arguments.h"
#include "platform/standard_output.h"
#include "tools/archive_tool/extract_command.h"
#include "tools/archive_tool/zip_extractor.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFatal = 2;
constexpr int kExitCommandLine = 7;

int Run(const std::vector<std::wstring>& arguments) {
  ExtractCommand command;
  std::wstring error;
  if (!ParseExtractCommand(arguments, command, error)) {
    platform::PrintWide(L"archive_tool: %ls\nusage: archive_tool x -y -aoa -o<folder> <archive>\n",
                        error.c_str());
    return kExitCommandLine;
  }
  if (ExtractZip(command.archive, command.outputDirectory, error) != ExtractResult::kDone) {
    platform::PrintWide(L"archive_tool: %ls\n", error.c_str());
    return kExitFatal;
  }
  platform::PrintWide(L"Everything is Ok\n");
  return kExitDone;
}

}  // namespace

int main() {
  return Run(platform::ProgramArguments());
}
