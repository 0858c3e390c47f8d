#include "tests/reporting/renamed_copy.h"

#include <cstdlib>
#include <random>

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace {

std::wstring NewFolder() {
  std::random_device random;
  const std::wstring folder = platform::NarrowToWide(platform::TempDirectory()) + L"quillo_copy_" +
                              std::to_wstring(random()) + L"\\";
  return platform::CreateDirectories(folder) ? folder : std::wstring();
}

void Remove(const std::wstring& path) {
  platform::RemoveFile(platform::WideToNarrow(path));
}

}  // namespace

RenamedCopy::RenamedCopy(const std::wstring& fileName) : path_(NewFolder() + fileName) {
  std::string program;
  ready_ = platform::ReadWholeFile(platform::ModuleFilePath(), program) &&
           platform::WriteWholeFile(path_, program.data(), program.size());
}

RenamedCopy::~RenamedCopy() {
  Remove(path_);
}

void RenamedCopy::RunDisabledTest(const std::string& testName) const {
  const std::string command =
      platform::NativePath(path_) + " --gtest_also_run_disabled_tests --gtest_filter=" + testName;
  std::system(command.c_str());
}

std::string RenamedCopy::ReadBeside(const std::wstring& suffix) const {
  std::string bytes;
  platform::ReadWholeFile(PathWith(suffix), bytes);
  Remove(PathWith(suffix));
  return bytes;
}

bool RenamedCopy::WriteBeside(const std::wstring& suffix, const std::string& bytes) const {
  return platform::WriteWholeFile(PathWith(suffix), bytes.data(), bytes.size());
}
