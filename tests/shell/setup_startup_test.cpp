// The program's start: the first copy runs the main window until it closes (exit code 1), a
// copy started meanwhile shows the refusal and ends with 0, and either way the current
// directory has become the program's own folder.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "duilib/paint_manager_ui.h"
#include "duilib/ui_test_driver.h"
#include "platform/current_directory.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/ui_window.h"
#include "reporting/setup_version.h"
#include "shell/setup_startup.h"
#include "tests/shell/shell_window_fixture.h"

namespace {

using DuiLib::CUiTestDriver;
using DuiLib::WindowImplBase;

// Both spellings of the program's folder name the same folder.
std::wstring WithoutTrailingSeparator(std::wstring path) {
  while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) {
    path.pop_back();
  }
  return path;
}

class SetupStartupTest : public ShellWindowTest {
 protected:
  static void SetUpTestSuite() {
#ifndef _WIN32
    // The POSIX lock file of the single-instance mutex goes to a folder of this test's own,
    // so that test runs of other build trees at the same time do not meet it.
    static std::string folder = "/tmp/quillo-startup-test-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
#endif
    ShellWindowTest::SetUpTestSuite();
  }
};

TEST_F(SetupStartupTest, TheFirstCopyRunsTheWindowAndASecondOneIsRefused) {
  const std::wstring elsewhere = platform::NarrowToWide(platform::TempDirectory());
  ASSERT_TRUE(platform::ChangeCurrentDirectory(elsewhere));
  SetInstallerVersion(L"");

  std::wstring mainClass;
  platform::ui::Rect mainRect;
  std::wstring directory;
  std::wstring refusal;
  int secondCopy = -1;
  OnModalWindow([&](WindowImplBase& shown, const std::wstring& cls) {
    if (cls == L"CMainWnd") {
      mainClass = cls;
      mainRect = CUiTestDriver::WindowRect(shown);
      directory = platform::CurrentDirectory();
      secondCopy = RunSetup(nullptr);  // started while the first one runs
      CUiTestDriver::CloseWindow(shown);
    } else {
      refusal = TipTextOf(shown);
      EXPECT_TRUE(CUiTestDriver::Click(shown, L"btnOk"));
    }
  });
  EXPECT_EQ(RunSetup(nullptr), 1);
  EXPECT_EQ(mainClass, L"CMainWnd");
  EXPECT_EQ(mainRect.Width(), 600);
  EXPECT_EQ(mainRect.Height(), 360);
  const platform::ui::Rect work = platform::ui::WorkAreaOf(nullptr);
  EXPECT_NEAR(mainRect.left - work.left, work.right - mainRect.right, 1);
  EXPECT_EQ(secondCopy, 0);
  EXPECT_EQ(refusal, L"程序已在运行，请勿重复打开");
  EXPECT_EQ(WithoutTrailingSeparator(directory),
            WithoutTrailingSeparator(DuiLib::CPaintManagerUI::GetInstancePath()));
  EXPECT_EQ(InstallerVersion(), ReadOwnVersion());
  EXPECT_EQ(WaitForSteps(1), std::vector<std::string>{"7001"}) << "only the first copy reports";
}

}  // namespace
