// The archive tool and the archive runner that writes it out and runs it: real archives,
// a real tool process, refusals of members that would leave the output folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive_fixtures.h"
#include "install/archive_runner.h"
#include "install/process_runner.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "tests/install/test_support.h"
#include "tools/archive_tool/entry_path.h"
#include "tools/archive_tool/extract_command.h"

namespace {

using install_test::ReadFileOrEmpty;
using install_test::ScratchFolder;

class ArchiveToolTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
#ifdef ARCHIVE_TOOL_PROGRAM
    // POSIX programs carry no resources: the Linux build of the tool stands in for it.
    std::string tool;
    ASSERT_TRUE(platform::ReadWholeFile(platform::Utf8ToWide(ARCHIVE_TOOL_PROGRAM), tool));
    platform::RegisterResourceForTesting(L"EXE", 104, tool);
#endif
  }

  void TearDown() override {
    platform::SetTempDirectoryForTesting("");
  }

  std::string WriteArchive(const std::string& name, const std::string& bytes) {
    const std::string path = scratch_.File(name);
    EXPECT_TRUE(platform::WriteWholeFile(platform::NarrowToWide(path), bytes.data(), bytes.size()));
    return path;
  }

  // Runs the tool directly, as the runner would, and returns its exit code.
  int64_t RunTool(const std::wstring& arguments) {
    const std::wstring tool = scratch_.WideFile("tool.exe");
    EXPECT_TRUE(WriteToolFromResource(tool));
    auto process = platform::ProcessHandle();
    uint32_t error = 0;
    EXPECT_TRUE(platform::StartProcess(L"\"" + tool + L"\" " + arguments, process, error));
    return install_test::WaitForExit(process);
  }

  int64_t Extract(const std::string& archive, const std::string& output) {
    return RunTool(L"x -y -aoa -o\"" + platform::NarrowToWide(output) + L"\" \"" +
                   platform::NarrowToWide(archive) + L"\"");
  }

  ScratchFolder scratch_;
};

TEST_F(ArchiveToolTest, RunnerWritesTheToolAndExtractsWithFoldersOverwritingFiles) {
  const std::string archive = WriteArchive("vc redist.zip", fixtures::kNestedZip);
  const std::string output = scratch_.File("vcredist123");
  ASSERT_TRUE(platform::CreateDirectories(platform::NarrowToWide(output)));
  ASSERT_TRUE(platform::WriteWholeFile(platform::NarrowToWide(output + "\\top.txt"), "old", 3));
  // A temporary folder with a blank in its path, as under many user names.
  const std::string temp = scratch_.File("temp folder");
  ASSERT_TRUE(platform::CreateDirectories(platform::NarrowToWide(temp)));
  ASSERT_TRUE(platform::WriteWholeFile(platform::NarrowToWide(temp + "\\7za.exe"), "stale", 5));
  platform::SetTempDirectoryForTesting(temp + "\\");

  std::vector<std::wstring> lines;
  SetCommandLineObserverForTesting([&](const std::wstring& line) { lines.push_back(line); });
  const bool extracted = ExtractArchive(archive, output);
  SetCommandLineObserverForTesting(nullptr);
  ASSERT_TRUE(extracted);

  const std::wstring tool = platform::NarrowToWide(temp) + L"\\7za.exe";
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], L"\"" + tool + L"\" x -y -aoa -o\"" + platform::NarrowToWide(output) +
                          L"\" \"" + platform::NarrowToWide(archive) + L"\"");
  const auto carried = platform::FindProgramResource(L"EXE", 104);
  EXPECT_EQ(ReadFileOrEmpty(tool),
            std::string(static_cast<const char*>(carried.data), carried.size));

  const std::wstring out = platform::NarrowToWide(output);
  EXPECT_EQ(ReadFileOrEmpty(out + L"\\vcredist\\vcredist.msi").size(), 12u * 4000);
  EXPECT_EQ(ReadFileOrEmpty(out + L"\\vcredist\\readme.txt"), "stored text\n");
  EXPECT_EQ(ReadFileOrEmpty(out + L"\\top.txt"), "new top\n");
  EXPECT_TRUE(platform::PathExists(out + L"\\vcredist\\empty folder"));
  EXPECT_EQ(ReadFileOrEmpty(out + L"\\\u5b89\u88c5\\\u8bf4\u660e.txt"),
            platform::WideToUtf8(L"\u4e2d\u6587"));
}

TEST_F(ArchiveToolTest, RunnerFailsWhenTheToolFailsOrCannotBeWritten) {
  const std::string damaged = WriteArchive("damaged.zip", fixtures::kTruncatedZip);
  platform::SetTempDirectoryForTesting(scratch_.Path() + "\\");
  EXPECT_FALSE(ExtractArchive(damaged, scratch_.File("out")));
  EXPECT_FALSE(ExtractArchive(scratch_.File("missing.zip"), scratch_.File("out")));

  std::vector<std::wstring> lines;
  SetCommandLineObserverForTesting([&](const std::wstring& line) { lines.push_back(line); });
  platform::SetTempDirectoryForTesting(scratch_.File("no such folder") + "\\");
  EXPECT_FALSE(ExtractArchive(damaged, scratch_.File("out")));
  SetCommandLineObserverForTesting(nullptr);
  EXPECT_TRUE(lines.empty()) << "nothing was started";
}

TEST_F(ArchiveToolTest, RefusesMembersThatWouldLeaveTheOutputFolder) {
  const std::pair<const char*, const std::string*> escapes[] = {
      {"parent", &fixtures::kParentEntryZip},
      {"deep parent", &fixtures::kDeepParentEntryZip},
      {"backslash parent", &fixtures::kBackslashParentEntryZip},
      {"absolute", &fixtures::kAbsoluteEntryZip},
      {"drive", &fixtures::kDriveEntryZip},
      {"drive relative", &fixtures::kDriveRelativeEntryZip},
      {"dots", &fixtures::kDotsEntryZip},
  };
  for (const auto& [name, bytes] : escapes) {
    const std::string archive = WriteArchive("escape.zip", *bytes);
    const std::string output = scratch_.File("out");
    EXPECT_EQ(Extract(archive, output), 2) << name;
    EXPECT_FALSE(platform::PathExists(output + "\\harmless.txt")) << "nothing written: " << name;
    EXPECT_FALSE(platform::PathExists(scratch_.File("escaped.txt"))) << name;
  }
  EXPECT_FALSE(platform::PathExists(std::string("/tmp/escaped.txt")));
}

TEST_F(ArchiveToolTest, RefusesArchivesThatUnpackFarBeyondTheirSize) {
  // Members sharing one compressed stream, and members declaring more than the tool's limit.
  for (const auto* bytes : {&fixtures::kSharedDataZip, &fixtures::kOversizedZip}) {
    const std::string output = scratch_.File("out");
    EXPECT_EQ(Extract(WriteArchive("forged.zip", *bytes), output), 2);
    EXPECT_FALSE(platform::PathExists(output)) << "nothing written";
  }
}

TEST_F(ArchiveToolTest, FailsCleanlyOnDamagedArchivesAndBadCommandLines) {
  const std::string output = scratch_.File("out");
  EXPECT_EQ(Extract(WriteArchive("truncated.zip", fixtures::kTruncatedZip), output), 2);
  EXPECT_FALSE(platform::PathExists(output));
  EXPECT_EQ(Extract(scratch_.File("missing.zip"), output), 2);

  EXPECT_EQ(Extract(WriteArchive("damaged.zip", fixtures::kDamagedMemberZip), output), 2);
  EXPECT_EQ(ReadFileOrEmpty(platform::NarrowToWide(output + "\\first.txt")), "intact");
  EXPECT_FALSE(platform::PathExists(output + "\\second.txt")) << "no corrupt file is left";

  EXPECT_EQ(RunTool(L"e archive.zip"), 7);
  EXPECT_EQ(RunTool(L"x -y -q archive.zip"), 7);
}

TEST(EntryPathTest, KeepsNamesBelowTheFolderAndRefusesTheRest) {
  const std::pair<const wchar_t*, std::vector<std::wstring>> accepted[] = {
      {L"a.txt", {L"a.txt"}},
      {L"dir/sub/a.txt", {L"dir", L"sub", L"a.txt"}},
      {L"dir\\sub\\a.txt", {L"dir", L"sub", L"a.txt"}},
      {L"./dir//a.txt", {L"dir", L"a.txt"}},
      {L"dir/", {L"dir"}},
      {L"..a/b..", {L"..a", L"b.."}},
      {L"console.txt", {L"console.txt"}},
  };
  for (const auto& [name, expected] : accepted) {
    std::vector<std::wstring> components;
    EXPECT_TRUE(SplitEntryPath(name, components)) << name;
    EXPECT_EQ(components, expected) << name;
  }
  const wchar_t* refused[] = {
      L"",        L"../a",     L"a/../../b", L"a/..",    L"/etc/passwd",  L"\\a",
      L"C:/a",    L"C:a",      L"a/b:c",     L"a/.../b", L"a/.. /b",      L"NUL",
      L"con.txt", L"dir/COM1", L"lpt9.log",  L"com0",    L"LPT\u00B9.txt"};
  for (const wchar_t* name : refused) {
    std::vector<std::wstring> components;
    EXPECT_FALSE(SplitEntryPath(name, components)) << name;
  }
}

TEST(ExtractCommandTest, ReadsTheSevenZipCommandLine) {
  ExtractCommand command;
  std::wstring error;
  ASSERT_TRUE(
      ParseExtractCommand({L"x", L"-y", L"-aoa", L"-oC:\\out dir", L"C:\\a.zip"}, command, error));
  EXPECT_EQ(command.outputDirectory, L"C:\\out dir");
  EXPECT_EQ(command.archive, L"C:\\a.zip");

  const std::vector<std::vector<std::wstring>> wrong = {
      {}, {L"a", L"x.zip"}, {L"x"}, {L"x", L"a.zip", L"b.zip"}, {L"x", L"-o", L"a.zip"}};
  for (const auto& arguments : wrong) {
    ExtractCommand ignored;
    EXPECT_FALSE(ParseExtractCommand(arguments, ignored, error));
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
