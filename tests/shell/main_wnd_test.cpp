// The main setup window through the toolkit's real message handling: the install page as it
// opens, the agreement box and the options panel, the checks before an installation, the
// progress texts, the finish and start-using sequences, the exit question and the messages
// the controller and the report sender send.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "controller/install_messages.h"
#include "duilib/option_ui.h"
#include "duilib/paint_manager_ui.h"
#include "duilib/progress_ui.h"
#include "duilib/tab_layout_ui.h"
#include "duilib/ui_test_driver.h"
#include "platform/disk_space.h"
#include "platform/files.h"
#include "platform/folder_picker.h"
#include "platform/network_state.h"
#include "platform/shell_execute.h"
#include "platform/text_encoding.h"
#include "platform/ui_window.h"
#include "platform/window_messages.h"
#include "reporting/main_window_handle.h"
#include "shell/main_wnd.h"
#include "shell/ui_pause.h"
#include "shell/window_styles.h"
#include "shell_damaged_skin.h"
#include "shell_skin_archive.h"
#include "tests/shell/shell_window_fixture.h"
#include "tests/support/fake_registry.h"

namespace {

using DuiLib::CUiTestDriver;
using DuiLib::WindowImplBase;
using namespace std::chrono_literals;

constexpr uint64_t kMiB = 1048576;

class MainWindowTest : public ShellWindowTest {
 protected:
  void SetUp() override {
    ShellWindowTest::SetUp();
    window = std::make_unique<CMainWnd>();
    ASSERT_NE(window->Create(nullptr, L"quillo_trans_Install", kSkinnedWindowStyle,
                             kSkinnedWindowExStyle),
              nullptr);
    window->CenterWindow();
  }
  void TearDown() override {
    window.reset();
    platform::SetFolderPickerForTesting(nullptr);
    platform::SetShellExecuteForTesting(nullptr);
    ShellWindowTest::TearDown();
  }

  template <typename Control = DuiLib::CControlUI>
  Control* Find(const wchar_t* name) {
    return dynamic_cast<Control*>(window->GetPaintManager().FindControl(name));
  }
  std::wstring Text(const wchar_t* name) { return Find(name)->GetText(); }
  int Page() { return Find<DuiLib::CTabLayoutUI>(L"tabUI")->GetCurSel(); }
  int Height() { return CUiTestDriver::WindowRect(*window).Height(); }
  bool LicenseTicked() { return Find<DuiLib::COptionUI>(L"licenseOpt")->IsSelected(); }
  bool InstallEnabled() { return Find(L"installBtn")->IsEnabled(); }

  // Clicks install; every tip it shows is answered with its button and its text kept.
  std::vector<std::wstring> ClickInstall() {
    std::vector<std::wstring> tips;
    OnModalWindow([&](WindowImplBase& tip, const std::wstring&) {
      tips.push_back(TipTextOf(tip));
      EXPECT_EQ(platform::ui::WindowOwner(tip.GetHWND()), nullptr);
      CUiTestDriver::Click(tip, L"btnOk");
    });
    EXPECT_TRUE(CUiTestDriver::Click(*window, L"installBtn"));
    DuiLib::CUiTestDriver::OnModalLoop(nullptr);
    return tips;
  }

  // Sends a message from another thread without waiting, as the controller does.
  void SendFromController(uint32_t message, uintptr_t wParam) {
    std::thread controller([&] {
      platform::SendWindowMessage(window->GetHWND(), message, wParam, 0,
                                  platform::Delivery::kNoWait);
    });
    controller.join();
    CUiTestDriver::PumpMessages();
  }

  // An installed product: a file named by the product's entry in the list of installed
  // programs.
  std::wstring InstallProduct(FakeRegistry& registry) {
    const std::wstring product =
        platform::NarrowToWide(platform::TempDirectory()) + L"QuilloPDF_main_wnd_test.exe";
    EXPECT_TRUE(platform::WriteWholeFile(product, "MZ", 2));
    registry.SetString(kProductEntry, L"DisplayIcon", product);
    return product;
  }

  const std::wstring kProductEntry =
      L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuilloPDF转换器";
  std::unique_ptr<CMainWnd> window;
};

TEST_F(MainWindowTest, OpensOnTheInstallPageReadyToInstall) {
  EXPECT_EQ(platform::ui::WindowClassName(window->GetHWND()), L"CMainWnd");
  EXPECT_EQ(platform::ui::WindowTitle(window->GetHWND()), L"quillo_trans_Install");
  EXPECT_EQ(CUiTestDriver::WindowRect(*window).Width(), 600);
  EXPECT_EQ(Height(), 360);
  EXPECT_EQ(Page(), 0);
  EXPECT_TRUE(LicenseTicked());
  EXPECT_TRUE(InstallEnabled());
  EXPECT_FALSE(Find(L"extOptions")->IsVisible());
  EXPECT_EQ(Text(L"instalPathEdit"), L"C:\\Program Files\\QuilloPDF");
  EXPECT_EQ(Text(L"lblNeedSize"), L"300MB");
  EXPECT_EQ(Text(L"lblAvailableSize"), L"20.00GB");
  EXPECT_EQ(Text(L"progressLbl"), L"0%");
  EXPECT_EQ(MainWindowHandle(), window->GetHWND());
  EXPECT_EQ(WaitForSteps(1), std::vector<std::string>{"7001"});
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(WaitForSteps(1), std::vector<std::string>{"7001"}) << "sent once";
}

TEST_F(MainWindowTest, TheAgreementBoxKeepsTheInstallButtonInStep) {
  for (int click = 1; click <= 5; ++click) {
    ASSERT_TRUE(CUiTestDriver::Click(*window, L"licenseOpt"));
    EXPECT_EQ(LicenseTicked(), click % 2 == 0) << click;
    EXPECT_EQ(InstallEnabled(), LicenseTicked()) << click;
  }
  // Unticked, the install button does nothing.
  EXPECT_TRUE(ClickInstall().empty());
  EXPECT_EQ(Page(), 0);
}

TEST_F(MainWindowTest, TheOptionsPanelAddsAndRemoves110Pixels) {
  const auto top = CUiTestDriver::WindowRect(*window).top;
  const int heights[] = {470, 360, 470, 360};
  for (int expected : heights) {
    ASSERT_TRUE(CUiTestDriver::Click(*window, L"showExtWndOpt"));
    EXPECT_EQ(Height(), expected);
    EXPECT_EQ(Find(L"extOptions")->IsVisible(), expected == 470);
    EXPECT_EQ(CUiTestDriver::WindowRect(*window).top, top);
  }
}

TEST_F(MainWindowTest, InstallingNeedsDiskSpaceFirstAndThenANetwork) {
  const std::wstring lowSpace = L"安装磁盘空间不足，所需空间300M";
  const std::wstring noNetwork = L"没有检测到网络，请连接后重试";
  const struct {
    uint64_t freeBytes;
    bool online;
    std::vector<std::wstring> tips;
  } cases[] = {
      {300 * kMiB + kMiB - 1, true, {lowSpace}},
      {300 * kMiB, false, {lowSpace}},  // the network is not asked about
      {301 * kMiB, false, {noNetwork}},
      {0, true, {lowSpace}},
  };
  for (const auto& c : cases) {
    freeBytes = c.freeBytes;
    platform::SetNetworkStateForTesting(c.online ? platform::NetworkStateForTesting::kOnline
                                                 : platform::NetworkStateForTesting::kOffline);
    EXPECT_EQ(ClickInstall(), c.tips) << c.freeBytes;
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(Height(), 360);
  }
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOnline);
  EXPECT_EQ(WaitForSteps(1), std::vector<std::string>{"7001"}) << "nothing was started";
}

TEST_F(MainWindowTest, PassingTheChecksShowsTheProgressPageAndStartsTheRun) {
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"showExtWndOpt"));
  ASSERT_EQ(Height(), 470);
  freeBytes = 301 * kMiB;
  EXPECT_TRUE(ClickInstall().empty());
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Height(), 266);
  // The controller fetched the manifest (step 7002) and reported its first percentages.
  EXPECT_EQ(WaitForSteps(2), (std::vector<std::string>{"7001", "7002"}));
  for (int i = 0; i < 100 && Text(L"progressLbl") != L" 2%"; ++i) {
    CUiTestDriver::PumpMessages();
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_EQ(Text(L"progressLbl"), L" 2%");
}

TEST_F(MainWindowTest, ARunThatEndsWithoutPackagesReturnsToTheInstallPageWithTheNetworkTip) {
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"showExtWndOpt"));
  EXPECT_TRUE(ClickInstall().empty());
  ASSERT_EQ(WaitForSteps(2).size(), 2u);
  SendFromController(WM_INSTALL_PROGRESS, 2);
  ASSERT_EQ(Page(), 1);

  std::vector<std::wstring> tips;
  OnModalWindow([&](WindowImplBase& tip, const std::wstring&) {
    // The window is back on its first page before the tip asks for attention.
    EXPECT_EQ(Page(), 0);
    tips.push_back(TipTextOf(tip));
    CUiTestDriver::Click(tip, L"btnOk");
  });
  SendFromController(WM_INSTALL_FAILED, 0);
  CUiTestDriver::OnModalLoop(nullptr);
  EXPECT_EQ(tips, std::vector<std::wstring>{L"没有检测到网络，请连接后重试"});
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(Height(), 470);
  EXPECT_EQ(Text(L"progressLbl"), L"0%");
  EXPECT_EQ(Find<DuiLib::CProgressUI>(L"installPro")->GetValue(), 0);
  EXPECT_TRUE(InstallEnabled());
  EXPECT_TRUE(LicenseTicked());
  EXPECT_TRUE(Find(L"extOptions")->IsVisible());

  // A late or repeated failure message finds no run to end and changes nothing.
  SendFromController(WM_INSTALL_FAILED, 0);
  EXPECT_EQ(Page(), 0);

  EXPECT_TRUE(ClickInstall().empty());
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Height(), 266);
  EXPECT_EQ(WaitForSteps(3), (std::vector<std::string>{"7001", "7002", "7002"}))
      << "a fresh run fetched the manifest again";
}

TEST_F(MainWindowTest, ProgressShowsAsARightAlignedPercentage) {
  const struct {
    uintptr_t value;
    int bar;
    const wchar_t* text;
  } cases[] = {
      {1, 1, L" 1%"},
      {9, 9, L" 9%"},
      {10, 10, L"10%"},
      {42, 42, L"42%"},
      {99, 99, L"99%"},
      {100, 100, L"100%"},
      {0, 0, L" 0%"},
      {250, 0, L"100%"},
      // Single precision made these one less.
      {53, 53, L"53%"},
      {59, 59, L"59%"},
  };
  for (const auto& c : cases) {
    SendFromController(WM_INSTALL_PROGRESS, c.value);
    EXPECT_EQ(Text(L"progressLbl"), c.text) << c.value;
    EXPECT_EQ(Find<DuiLib::CProgressUI>(L"installPro")->GetValue(), c.bar) << c.value;
  }
}

TEST_F(MainWindowTest, TheFinishSequenceReportsFillsPausesAndShowsTheFinishedPage) {
  EXPECT_TRUE(ClickInstall().empty());
  ASSERT_EQ(WaitForSteps(2).size(), 2u);  // the run has fetched its manifest
  SendFromController(WM_INSTALL_PROGRESS, 37);
  duringPause = [&](uint32_t) {
    EXPECT_EQ(Text(L"progressLbl"), L"100%");
    EXPECT_EQ(Find<DuiLib::CProgressUI>(L"installPro")->GetValue(), 100);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(Height(), 266);
  };
  SendFromController(WM_INSTALL_DONE, 100);
  EXPECT_EQ(pauses, std::vector<uint32_t>{500});
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Height(), 400);
  // The page's content fits the window: the start-using button is whole.
  CUiTestDriver::PumpMessages();
  const auto button = Find(L"startuseBtn")->GetPos();
  EXPECT_GT(button.Height(), 0);
  EXPECT_LE(button.bottom, 400) << "the start-using button is cut";
  EXPECT_EQ(WaitForSteps(3), (std::vector<std::string>{"7001", "7002", "7003"}));
}

TEST_F(MainWindowTest, StartUsingHidesWaitsLaunchesWaitsAndCloses) {
  FakeRegistry registry;
  const std::wstring product = InstallProduct(registry);
  std::vector<std::wstring> launched;
  platform::SetShellExecuteForTesting([&](const std::wstring& file, const std::wstring&, int) {
    launched.push_back(file);
    return true;
  });
  EXPECT_TRUE(ClickInstall().empty());
  SendFromController(WM_INSTALL_DONE, 100);
  std::vector<std::string> seen;
  duringPause = [&](uint32_t milliseconds) {
    const bool shown = platform::ui::IsWindowVisible(window->GetHWND());
    seen.push_back(std::to_string(milliseconds) + (shown ? " shown" : " hidden") + " launches " +
                   std::to_string(launched.size()));
  };
  pauses.clear();
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"startuseBtn"));
  EXPECT_EQ(seen, (std::vector<std::string>{"2000 hidden launches 0", "2000 hidden launches 1"}));
  EXPECT_EQ(launched, std::vector<std::wstring>{product});
  CUiTestDriver::PumpMessages();
  EXPECT_EQ(window->GetHWND(), nullptr) << "the window closed";
}

TEST_F(MainWindowTest, TheCloseButtonAsksAndOnlyYesEndsTheProcess) {
  const struct {
    const wchar_t* answer;
    std::vector<uint32_t> ends;
  } cases[] = {{L"noBtn", {}}, {L"closebtn", {}}, {L"yesBtn", {0}}};
  for (int page = 0; page < 2; ++page) {
    for (const auto& c : cases) {
      endRequests.clear();
      std::wstring question;
      OnModalWindow([&](WindowImplBase& tip, const std::wstring&) {
        question = TipTextOf(tip);
        EXPECT_EQ(platform::ui::WindowOwner(tip.GetHWND()), window->GetHWND());
        EXPECT_TRUE(CUiTestDriver::Click(tip, c.answer));
      });
      ASSERT_TRUE(CUiTestDriver::Click(*window, L"closebtn"));
      CUiTestDriver::PumpMessages();
      EXPECT_EQ(question, L"您确定要退出QuilloPDF安装过程？");
      EXPECT_EQ(endRequests, c.ends) << c.answer;
      ASSERT_NE(window->GetHWND(), nullptr) << "the window stays open";
      EXPECT_EQ(Page(), page);
    }
    if (page == 0) {
      EXPECT_TRUE(ClickInstall().empty());
    }
  }
}

TEST_F(MainWindowTest, TheAgreementOpensOverTheWindowAndLeavesTheBoxAlone) {
  for (bool ticked : {true, false}) {
    if (LicenseTicked() != ticked) {
      CUiTestDriver::Click(*window, L"licenseOpt");
    }
    std::wstring cls;
    bool mainEnabled = true;
    OnModalWindow([&](WindowImplBase& agreement, const std::wstring& name) {
      cls = name;
      mainEnabled = platform::ui::IsWindowEnabled(window->GetHWND());
      EXPECT_EQ(platform::ui::WindowTitle(agreement.GetHWND()), L"WndAgreement");
      EXPECT_EQ(platform::ui::WindowOwner(agreement.GetHWND()), window->GetHWND());
      EXPECT_TRUE(CUiTestDriver::Click(agreement, L"confirmBtn"));
    });
    ASSERT_TRUE(CUiTestDriver::Click(*window, L"agreementBtn"));
    EXPECT_EQ(cls, L"CAgreementWnd");
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(LicenseTicked(), ticked);
    EXPECT_EQ(InstallEnabled(), ticked);
  }
}

TEST_F(MainWindowTest, AnotherFolderShowsItsOwnDrivesFreeSpace) {
  platform::SetDiskFreeSpaceForTesting([](const std::wstring& root, uint64_t& bytes) {
    bytes = root == L"D:" ? 1024 * kMiB : 5000 * kMiB;
    return true;
  });
  std::wstring picked = L"D:\\Apps";
  platform::SetFolderPickerForTesting(
      [&](platform::WindowHandle owner, const std::wstring&, uint32_t, std::wstring& folder) {
        EXPECT_EQ(owner, window->GetHWND());
        folder = picked;
        return !picked.empty();
      });
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"showExtWndOpt"));
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"selectPathBtn"));
  EXPECT_EQ(Text(L"instalPathEdit"), L"D:\\Apps\\QuilloPDF");
  EXPECT_EQ(Text(L"lblAvailableSize"), L"1024.00MB");
  EXPECT_EQ(Text(L"lblNeedSize"), L"300MB");
  picked.clear();  // cancelled
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"selectPathBtn"));
  EXPECT_EQ(Text(L"instalPathEdit"), L"D:\\Apps\\QuilloPDF");
}

TEST_F(MainWindowTest, TheReportAnswerMessageChangesNothing) {
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"licenseOpt"));
  std::atomic<bool> returned{false};
  std::thread sender([&] {
    platform::SendWindowMessage(window->GetHWND(), 1025, 0, 0, platform::Delivery::kWait);
    returned = true;
  });
  while (!returned) {
    CUiTestDriver::PumpMessages();
    std::this_thread::yield();
  }
  sender.join();
  EXPECT_FALSE(LicenseTicked());
  EXPECT_FALSE(Find<DuiLib::COptionUI>(L"showExtWndOpt")->IsSelected());
  EXPECT_EQ(Page(), 0);
  EXPECT_EQ(Height(), 360);
}

TEST_F(MainWindowTest, TheSystemCloseCommandClosesWithoutAsking) {
  EXPECT_TRUE(ClickInstall().empty());
  bool asked = false;
  OnModalWindow([&](WindowImplBase& shown, const std::wstring&) {
    asked = true;
    CUiTestDriver::CloseWindow(shown);
  });
  CUiTestDriver::CloseWindow(*window);
  CUiTestDriver::PumpMessages();
  EXPECT_FALSE(asked);
  EXPECT_EQ(window->GetHWND(), nullptr);
  EXPECT_TRUE(endRequests.empty());
}

TEST(MainWindowSkinTest, ALayoutWithoutAControlClosesTheWindowAndStartsNothing) {
  DuiLib::CPaintManagerUI::SetResourceZip(kDamagedSkinZip, sizeof kDamagedSkinZip);
  CMainWnd window;
  const platform::WindowHandle created =
      window.Create(nullptr, L"quillo_trans_Install", kSkinnedWindowStyle, kSkinnedWindowExStyle);
  DuiLib::CPaintManagerUI::SetResourceZip(kSkinZip, sizeof kSkinZip);
  ASSERT_NE(created, nullptr);
  EXPECT_NE(MainWindowHandle(), created) << "the report sender is not pointed at it";
  EXPECT_TRUE(CUiTestDriver::Click(window, L"installBtn"));
  window.ShowModal();  // returns at once: the window has closed itself
  EXPECT_EQ(window.GetHWND(), nullptr);
}

// The one test that waits as the program does.
TEST_F(MainWindowTest, ThePausesTakeTheirRealTime) {
  SetUiPauseForTesting(nullptr);
  EXPECT_TRUE(ClickInstall().empty());
  auto start = std::chrono::steady_clock::now();
  SendFromController(WM_INSTALL_DONE, 100);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 500ms);
  EXPECT_EQ(Page(), 2);

  std::chrono::steady_clock::duration launchedAfter{};
  platform::SetShellExecuteForTesting([&](const std::wstring&, const std::wstring&, int) {
    launchedAfter = std::chrono::steady_clock::now() - start;
    return true;
  });
  FakeRegistry registry;
  InstallProduct(registry);
  start = std::chrono::steady_clock::now();
  ASSERT_TRUE(CUiTestDriver::Click(*window, L"startuseBtn"));
  EXPECT_GE(launchedAfter, 2000ms);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 4000ms);
}

}  // namespace
