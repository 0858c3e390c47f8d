// The product's setup stand-in, started exactly as the setup starts it, installs the product
// program and registers the entry through which the setup later starts the product.
#include "tests/standin_packages/standin_test_support.h"

#include <shellapi.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tools/standin_packages/exit_codes.h"
#include "tools/standin_packages/machine_registry.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

const std::wstring kProductKey = std::wstring(kUninstallKey) + L"\\QuilloPDF转换器";

std::wstring SetupCommandLine(const std::wstring& arguments) {
  return L"\"" + PackageFile(L"QuilloPDF_setup.exe") + L"\" " + arguments;
}

// Starts the product the way the setup's finish button does: the shell opens the
// "DisplayIcon" path with the elevation verb and a hidden window.
std::optional<DWORD> StartLikeTheFinishButton(const std::wstring& program) {
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = L"runas";
  info.lpFile = program.c_str();
  info.nShow = SW_HIDE;
  if (!ShellExecuteExW(&info) || info.hProcess == nullptr) {
    return std::nullopt;
  }
  std::optional<DWORD> exitCode;
  DWORD code = 0;
  if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(info.hProcess, &code)) {
    exitCode = code;
  } else {
    TerminateProcess(info.hProcess, 1);
  }
  CloseHandle(info.hProcess);
  return exitCode;
}

class ProductSetup : public ::testing::Test {
 protected:
  void SetUp() override { DeleteFileW(eventLog_.c_str()); }

  const std::wstring eventLog_ = TempFolder() + L"product_setup_events.log";
  ScopedEnvironment logVariable_{L"QUILLO_STANDIN_LOG", eventLog_};
};

TEST_F(ProductSetup, InstallsTakesItsTimeAndRegistersTheProgramThatRecordsItsStart) {
  const ScopedEnvironment duration(L"QUILLO_STANDIN_SETUP_MS", L"1500");
  const ULONGLONG before = GetTickCount64();
  EXPECT_EQ(RunToEnd(SetupCommandLine(LR"(/S /D=C:\Program Files\QuilloPDF)")), kExitSuccess);
  EXPECT_GE(GetTickCount64() - before, 1400u);

  const std::wstring program = LR"(C:\Program Files\QuilloPDF\QuilloPDF.exe)";
  EXPECT_EQ(ReadMachineText(kProductKey, L"DisplayName"), L"QuilloPDF转换器");
  ASSERT_EQ(ReadMachineText(kProductKey, L"DisplayIcon"), program);
  ASSERT_TRUE(FileExists(program));
  EXPECT_THAT(ReadLines(eventLog_),
              Contains(HasSubstr(LR"(installer start /S /D=C:\Program Files\QuilloPDF)")));

  EXPECT_EQ(StartLikeTheFinishButton(program), 0u);
  EXPECT_THAT(ReadLines(LR"(C:\Program Files\QuilloPDF\started.log)"),
              Contains(HasSubstr(L" product started ")));
  EXPECT_THAT(ReadLines(eventLog_), Contains(HasSubstr(L" product started ")));
}

TEST_F(ProductSetup, InstallingAgainPointsTheEntryAtTheNewFolder) {
  const ScopedEnvironment duration(L"QUILLO_STANDIN_SETUP_MS", L"0");
  ASSERT_EQ(RunToEnd(SetupCommandLine(LR"(/S /D=C:\Program Files\QuilloPDF)")), kExitSuccess);
  ASSERT_EQ(RunToEnd(SetupCommandLine(LR"(/S /D=C:\Program Files\QuilloPDF)")), kExitSuccess);

  EXPECT_EQ(RunToEnd(SetupCommandLine(LR"(/S /D=C:\Quillo 转换器\bin\)")), kExitSuccess);
  const std::wstring program = LR"(C:\Quillo 转换器\bin\QuilloPDF.exe)";
  EXPECT_EQ(ReadMachineText(kProductKey, L"DisplayIcon"), program);
  EXPECT_EQ(StartLikeTheFinishButton(program), 0u);
  EXPECT_THAT(ReadLines(LR"(C:\Quillo 转换器\bin\started.log)"),
              Contains(HasSubstr(L" product started ")));
}

}  // namespace
