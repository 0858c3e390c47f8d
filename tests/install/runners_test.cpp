// The process runners: the exact command lines they start, their log lines, and real
// processes behind the handles they give back.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/process_runner.h"
#include "install/program_runners.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "tests/install/test_support.h"

namespace {

using install_test::ScratchFolder;
using testing::HasSubstr;

// Collects the command lines the runners start while it lives.
class CommandLines {
 public:
  CommandLines() {
    SetCommandLineObserverForTesting([this](const std::wstring& line) { seen_.push_back(line); });
  }
  ~CommandLines() { SetCommandLineObserverForTesting(nullptr); }
  const std::vector<std::wstring>& Seen() const { return seen_; }

 private:
  std::vector<std::wstring> seen_;
};

struct RunnerCase {
  const char* name;
  std::function<bool(platform::ProcessHandle&)> run;
  const wchar_t* expected;
};

TEST(RunnersTest, BuildTheExactCommandLines) {
  const std::string setup = "C:\\Program Files\\Quillo Setup\\setup.exe";
  const std::string package = "C:\\Users\\A B\\AppData\\Local\\Temp\\bcl x86.msi";
  const std::vector<RunnerCase> cases = {
      {"direct, a path with blanks",
       [&](auto& out) { return RunProgram(setup, "/S /D=C:\\Program Files\\Quillo", out, false); },
       L"\"C:\\Program Files\\Quillo Setup\\setup.exe\" /S /D=C:\\Program Files\\Quillo"},
      {"direct, no arguments", [&](auto& out) { return RunProgram(setup, "", out, false); },
       L"\"C:\\Program Files\\Quillo Setup\\setup.exe\" "},
      {"interpreter", [&](auto& out) { return RunProgram(setup, "/quiet", out, true); },
       L"cmd.exe /c \"C:\\Program Files\\Quillo Setup\\setup.exe\" /quiet"},
      {"interpreter, no arguments", [&](auto& out) { return RunProgram(setup, "", out, true); },
       L"cmd.exe /c \"C:\\Program Files\\Quillo Setup\\setup.exe\" "},
      {"Windows Installer", [&](auto& out) { return RunMsiInstall(package, "/qn", out); },
       L"msiexec.exe /i \"C:\\Users\\A B\\AppData\\Local\\Temp\\bcl x86.msi\" /qn"},
#ifndef _WIN32
      // Under Wine this would start msiexec with its full user interface.
      {"Windows Installer, no arguments",
       [&](auto& out) { return RunMsiInstall(package, "", out); },
       L"msiexec.exe /i \"C:\\Users\\A B\\AppData\\Local\\Temp\\bcl x86.msi\" "},
#endif
  };
  for (const auto& testCase : cases) {
    CommandLines lines;
    platform::ProcessHandle process;
    const bool started = testCase.run(process);
    EXPECT_EQ(started, process.IsValid()) << testCase.name;
    ASSERT_EQ(lines.Seen().size(), 1u) << testCase.name;
    EXPECT_EQ(lines.Seen()[0], testCase.expected) << testCase.name;
    if (process.IsValid()) {
      install_test::WaitForExit(process);
    }
  }
}

TEST(RunnersTest, ProcessStarterJoinsApplicationAndArguments) {
  CommandLines lines;
  platform::ProcessHandle process;
  RunProcess(L"app.exe", nullptr, false, &process);
  RunProcess(nullptr, L"only arguments", false, &process);
  RunProcess(nullptr, nullptr, false, &process);
  EXPECT_EQ(lines.Seen(), (std::vector<std::wstring>{L"app.exe ", L"only arguments", L""}));
}

TEST(RunnersTest, LogsEveryStartAndEveryFailure) {
  ScratchFolder scratch;
  const std::string missing = scratch.File("no such setup.exe");
  platform::ProcessHandle process;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(RunProgram(missing, "/quiet", process, false));
  const std::string output = testing::internal::GetCapturedStdout();
  const std::string line =
      "\"" + platform::WideToUtf8(platform::NarrowToWide(missing)) + "\" /quiet";
  EXPECT_THAT(output, HasSubstr("CreateProcess:" + line + "\r"));
  EXPECT_THAT(output, HasSubstr("CreateProcess " + line + " error: 2\r"));
  EXPECT_FALSE(process.IsValid());
}

TEST(RunnersTest, AProgramInAFolderWithBlanksStartsAndItsHandleComesBack) {
  ScratchFolder scratch;
  std::string childBytes;
  ASSERT_TRUE(platform::ReadWholeFile(install_test::ChildProgram(), childBytes));
  ASSERT_TRUE(platform::CreateDirectories(scratch.WideFile("a folder")));
  const std::string program = scratch.File("a folder\\child program.exe");
  ASSERT_TRUE(platform::WriteWholeFile(platform::NarrowToWide(program), childBytes.data(),
                                       childBytes.size()));
  platform::ProcessHandle process;
  ASSERT_TRUE(RunProgram(program, "sleep 20 4", process, false));
  ASSERT_TRUE(process.IsValid());
  EXPECT_EQ(install_test::WaitForExit(process), 4);
}

TEST(RunnersTest, AWaitedProcessHasEndedAndNoHandleIsStored) {
  ScratchFolder scratch;
  const std::wstring marker = scratch.WideFile("ended");
  const std::wstring program = L"\"" + install_test::ChildProgram() + L"\"";
  const std::wstring arguments = L"sleep 100 9 \"" + marker + L"\"";
  platform::ProcessHandle process;
  EXPECT_TRUE(RunProcess(program.c_str(), arguments.c_str(), true, &process));
  EXPECT_TRUE(platform::PathExists(marker));
  EXPECT_FALSE(process.IsValid());
}

}  // namespace
