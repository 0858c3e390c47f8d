// The prerequisite stand-ins, installed with the setup's own command lines, leave the
// registry entries that the setup's prerequisite tests look for.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "duilib/zip_archive.h"
#include "tests/standin_packages/standin_test_support.h"
#include "tools/standin_packages/exit_codes.h"
#include "tools/standin_packages/machine_registry.h"

namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::IsSupersetOf;
using ::testing::Not;

constexpr wchar_t kBclName[] = L"BCL easyConverter SDK 5 Word";
constexpr wchar_t kNetSetupKey[] = LR"(SOFTWARE\Microsoft\NET Framework Setup\NDP\v4\)";

std::wstring MsiCommandLine(const std::wstring& package, const wchar_t* quietSwitch) {
  return L"msiexec.exe /i \"" + package + L"\" " + quietSwitch;
}

std::wstring QuietCommandLine(const wchar_t* program) {
  return L"\"" + PackageFile(program) + L"\" /quiet";
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

TEST(MsiPrerequisites, EachBclBuildRegistersInItsOwnRegistryView) {
  EXPECT_EQ(RunToEnd(MsiCommandLine(PackageFile(L"bcl_sdk5_word_x86.msi"), L"/qn")), 0u);
  EXPECT_THAT(InstalledDisplayNames(KEY_WOW64_32KEY), Contains(HasSubstr(kBclName)));
  EXPECT_THAT(InstalledDisplayNames(KEY_WOW64_64KEY), Each(Not(HasSubstr(kBclName))));

  EXPECT_EQ(RunToEnd(MsiCommandLine(PackageFile(L"bcl_sdk5_word_x64.msi"), L"/qn")), 0u);
  EXPECT_THAT(InstalledDisplayNames(KEY_WOW64_64KEY), Contains(HasSubstr(kBclName)));
}

TEST(MsiPrerequisites, Vcredist2005ArchiveHoldsOneMsiThatInstallsQuietly) {
  const std::string archiveBytes = ReadBytes(PackageFile(L"vcredist2005_x86.zip"));
  DuiLib::CZipArchive archive;
  ASSERT_TRUE(archive.Open(archiveBytes.data(), archiveBytes.size()));
  ASSERT_EQ(archive.Members().size(), 1u);
  std::string msi;
  ASSERT_TRUE(archive.Read("vcredist.msi", msi));

  // Where the setup extracts the archive before it runs the package.
  const std::wstring folder = TempFolder() + L"vcredist123";
  CreateDirectoryW(folder.c_str(), nullptr);
  ASSERT_TRUE(WriteBytes(folder + L"\\vcredist.msi", msi));
  EXPECT_EQ(RunToEnd(MsiCommandLine(folder + L"\\vcredist.msi", L"/quiet")), 0u);
  EXPECT_THAT(InstalledDisplayNames(KEY_WOW64_32KEY),
              Contains(HasSubstr(L"Microsoft Visual C++ 2005 Redistributable")));
}

TEST(ExePrerequisites, Vcredist2015RegistersTheMinimumRuntime) {
  const ScopedEnvironment duration(L"QUILLO_STANDIN_VCREDIST_MS", L"0");
  EXPECT_EQ(RunToEnd(QuietCommandLine(L"vc_redist2015_x86.exe")), kExitSuccess);
  EXPECT_THAT(InstalledDisplayNames(),
              Contains(L"Microsoft Visual C++ 2015 x86 Minimum Runtime - 14.0.24215"));
}

TEST(ExePrerequisites, DotNetWritesTheClientVersionWhileItRunsAndTheFullOneLast) {
  const std::wstring eventLog = TempFolder() + L"dotnet_events.log";
  DeleteFileW(eventLog.c_str());
  const ScopedEnvironment log(L"QUILLO_STANDIN_LOG", eventLog);
  const ScopedEnvironment duration(L"QUILLO_STANDIN_DOTNET_MS", L"3000");
  const std::wstring client = std::wstring(kNetSetupKey) + L"Client";
  const std::wstring full = std::wstring(kNetSetupKey) + L"Full";

  StartedProcess setup(QuietCommandLine(L"dotnet4_setup.exe"));
  ASSERT_TRUE(setup.Started());
  std::optional<std::wstring> clientVersion;
  while (setup.IsRunning() && !(clientVersion = ReadMachineText(client, L"Version"))) {
    Sleep(10);
  }
  ASSERT_TRUE(clientVersion.has_value()) << "the setup ended without a Client version";
  EXPECT_EQ(clientVersion->substr(0, 2), L"4.");
  EXPECT_FALSE(ReadMachineText(full, L"Version").has_value());
  EXPECT_TRUE(setup.IsRunning());

  EXPECT_EQ(setup.WaitForExit(30000), kExitSuccess);
  const auto fullVersion = ReadMachineText(full, L"Version");
  ASSERT_TRUE(fullVersion.has_value());
  EXPECT_EQ(fullVersion->substr(0, 2), L"4.");

  const auto lines = ReadLines(eventLog);
  const auto wroteClient = std::find_if(lines.begin(), lines.end(), [](const std::wstring& l) {
    return l.find(L" dotnet4 wrote Client") != std::wstring::npos;
  });
  const auto wroteFull = std::find_if(lines.begin(), lines.end(), [](const std::wstring& l) {
    return l.find(L" dotnet4 wrote Full") != std::wstring::npos;
  });
  EXPECT_LT(wroteClient, wroteFull);
  EXPECT_NE(wroteFull, lines.end());
}

}  // namespace
