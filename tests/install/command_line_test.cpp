// Command lines are split as Windows programs split them, and real processes start with
// the arguments they were given (under Wine the C run-time splits, on Linux our splitter).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/processes.h"
#include "platform/text_encoding.h"
#include "tests/install/test_support.h"

namespace {

using install_test::ChildCommandLine;
using install_test::ScratchFolder;

struct SplitCase {
  const wchar_t* arguments;  // after the program name
  std::vector<std::wstring> expected;
};

const SplitCase kSplitCases[] = {
    {L"a b\tc", {L"a", L"b", L"c"}},
    {L"\"with blank\" x", {L"with blank", L"x"}},
    {L"-o\"C:\\Program Files\\Q\" \"D:\\a b.zip\"", {L"-oC:\\Program Files\\Q", L"D:\\a b.zip"}},
    {L"/S /D=C:\\Program Files\\Quillo", {L"/S", L"/D=C:\\Program", L"Files\\Quillo"}},
    {L"a\\\\b c\\d", {L"a\\\\b", L"c\\d"}},
    {L"\"a\\\\\" b", {L"a\\", L"b"}},
    {L"\\\"q\\\"", {L"\"q\""}},
    {L"a\\\\\\\"b", {L"a\\\"b"}},
    {L"\"\" x \"\"", {L"", L"x", L""}},
    {L"\"in \"\"quotes\"\" here\"", {L"in \"quotes\" here"}},
    {L"ab\"c d\"ef", {L"abc def"}},
    {L"trailing  ", {L"trailing"}},
    {L"", {}},
    {L"\u4e2d\u6587 \"\u5b89\u88c5 \u76ee\u5f55\"",
     {L"\u4e2d\u6587", L"\u5b89\u88c5 \u76ee\u5f55"}},
};

TEST(CommandLineTest, SplitsLikeTheWindowsRunTime) {
  for (const auto& testCase : kSplitCases) {
    std::vector<std::wstring> expected = {L"C:\\a dir\\prog.exe"};
    expected.insert(expected.end(), testCase.expected.begin(), testCase.expected.end());
    EXPECT_EQ(
        platform::SplitCommandLine(L"\"C:\\a dir\\prog.exe\" " + std::wstring(testCase.arguments)),
        expected)
        << testCase.arguments;
  }
}

TEST(CommandLineTest, ProgramNameKeepsBackslashesAndOnlyTogglesQuotes) {
  EXPECT_EQ(platform::SplitCommandLine(L"C:\\tmp\\7za.exe x"),
            (std::vector<std::wstring>{L"C:\\tmp\\7za.exe", L"x"}));
  EXPECT_EQ(platform::SplitCommandLine(L"\"C:\\dir\\\"tool x"),
            (std::vector<std::wstring>{L"C:\\dir\\tool", L"x"}));
  EXPECT_EQ(platform::SplitCommandLine(L"   lead"), (std::vector<std::wstring>{L"lead"}));
  EXPECT_TRUE(platform::SplitCommandLine(L" \t ").empty());
}

TEST(CommandLineTest, ARealProcessReceivesTheSameArguments) {
  ScratchFolder scratch;
  for (const auto& testCase : kSplitCases) {
    const std::wstring output = scratch.WideFile("args.txt");
    auto child = install_test::StartChild(L"args \"" + output + L"\" " + testCase.arguments);
    ASSERT_TRUE(child.IsValid());
    ASSERT_EQ(install_test::WaitForExit(child), 0) << testCase.arguments;
    std::string expected;
    for (const auto& argument : testCase.expected) {
      expected += platform::WideToUtf8(argument) + "\n";
    }
    EXPECT_EQ(install_test::ReadFileOrEmpty(output), expected) << testCase.arguments;
  }
}

TEST(ProcessStartTest, ReportsExitCodesAndEndsEarlyWaits) {
  auto child = install_test::StartChild(L"sleep 50 7");
  ASSERT_TRUE(child.IsValid());
  EXPECT_EQ(install_test::WaitForExit(child), 7);
}

TEST(ProcessStartTest, AProgramThatDoesNotExistGivesAnErrorCode) {
  ScratchFolder scratch;
  platform::ProcessHandle process;
  uint32_t error = 0;
  EXPECT_FALSE(platform::StartProcess(
      L"\"" + scratch.WideFile("missing program.exe") + L"\" /quiet", process, error));
  EXPECT_FALSE(process.IsValid());
  EXPECT_EQ(error, 2u);  // ERROR_FILE_NOT_FOUND and ENOENT alike
}

}  // namespace
