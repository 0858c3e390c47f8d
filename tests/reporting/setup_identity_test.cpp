// The setup's version and channel: the channel rule for file names, the channel a copy of
// a program computes from its own name at start-up, and the version text taken from the
// program file (its version resource on Windows, whose product version differs).
#include <gtest/gtest.h>

#include <string>

#include "build_config.h"
#include "platform/file_version.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "reporting/channel.h"
#include "reporting/setup_version.h"
#include "tests/reporting/renamed_copy.h"
#include "tools/api_standin/host_path.h"

namespace {

TEST(ChannelTest, IsTheTextBetweenTheLastTwoUnderscores) {
  const struct {
    const wchar_t* path;
    const char* channel;
  } cases[] = {
      {L"C:\\Downloads\\setup_P7_1.exe", "P7"},
      {L"a_b_c_d.exe", "c"},
      {L"setup_P7.exe", "P2"},
      {L"setup.exe", "P2"},
      {L"setup__1.exe", ""},
      {L"/home/user/setup_P9_2.exe", "P9"},
      {L"C:\\dir_x_y\\setup.exe", "P2"},  // folders never take part
      {L"_P5_.exe", "P5"},
      {L"_x.exe", "P2"},
      {L"", "P2"},
      {L"\u5b89\u88c5_\u6e20\u9053_1.exe", "\xC7\xFE\xB5\xC0"},  // 安装_渠道_1.exe: 渠道 in GBK
      {L"setup_\u4e62_1.exe", "\x81\x5F"},                       // 乢, whose GBK trail byte is '_'
      {L"setup_P3\u4e62.exe", "P2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChannelFromProgramPath(c.path), c.channel) << platform::WideToUtf8(c.path);
  }
}

// Run only in a renamed copy of this program, started by the test below.
TEST(ChannelTest, DISABLED_WriteChannelOfThisCopy) {
  const std::string channel = Channel();
  ASSERT_TRUE(platform::WriteWholeFile(platform::ModuleFilePath() + L".channel", channel.data(),
                                       channel.size()));
}

TEST(ChannelTest, ARenamedCopyComputesItsChannelAtStartup) {
  const RenamedCopy copy(L"setup_P7_1.exe");
  ASSERT_TRUE(copy.IsReady());
  copy.RunDisabledTest("ChannelTest.DISABLED_WriteChannelOfThisCopy");
  EXPECT_EQ(copy.ReadBeside(L".channel"), "P7");
}

TEST(ChannelTest, IsComputedFromThisProgramsName) {
  EXPECT_EQ(Channel(), ChannelFromProgramPath(platform::ModuleFilePath()));
}

const std::wstring kBuildVersion =
    std::to_wstring(QUILLO_VERSION_MAJOR) + L"." + std::to_wstring(QUILLO_VERSION_MINOR) + L"." +
    std::to_wstring(QUILLO_VERSION_PATCH) + L"." + std::to_wstring(QUILLO_VERSION_BUILD);

TEST(SetupVersionTest, IsTheProgramFilesOwnFileVersion) {
  EXPECT_EQ(ReadOwnVersion(), kBuildVersion);
}

TEST(SetupVersionTest, FormatsAllFourPartsInFull) {
  EXPECT_EQ(FormatVersion({{3, 0, 1, 0}}), L"3.0.1.0");
  EXPECT_EQ(FormatVersion({{65535, 65535, 65535, 65535}}), L"65535.65535.65535.65535");
}

TEST(SetupVersionTest, AFileWithoutVersionInformationHasNone) {
  platform::FileVersion version;
  EXPECT_FALSE(
      platform::ReadFileVersion(HostPath(QUILLO_TEST_DATA_DIR "/cipher_vectors.txt"), version));
  EXPECT_FALSE(platform::ReadFileVersion(L"no such file.exe", version));
}

TEST(SetupVersionTest, InstallerVersionIsEmptyUntilSet) {
  EXPECT_EQ(InstallerVersion(), L"");
  SetInstallerVersion(ReadOwnVersion());
  EXPECT_EQ(InstallerVersion(), kBuildVersion);
}

}  // namespace
