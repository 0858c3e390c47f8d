#include "tests/shell/shell_window_fixture.h"

#include <chrono>
#include <thread>

#include "duilib/control_ui.h"
#include "duilib/paint_manager_ui.h"
#include "platform/disk_space.h"
#include "platform/network_state.h"
#include "platform/process_exit.h"
#include "platform/resources.h"
#include "platform/system_folders.h"
#include "reporting/api_urls.h"
#include "reporting/report_step.h"
#include "shell/ui_pause.h"
#include "shell_agreement_text.h"
#include "shell_skin_archive.h"

std::unique_ptr<ApiStandin> ShellWindowTest::standin;

void ShellWindowTest::SetUpTestSuite() {
  platform::RegisterResourceForTesting(
      L"ZIPRES", 101, std::string(reinterpret_cast<const char*>(kSkinZip), sizeof kSkinZip));
  platform::RegisterResourceForTesting(
      L"TXT", 3010,
      std::string(reinterpret_cast<const char*>(kAgreementTxt), sizeof kAgreementTxt));
  DuiLib::CPaintManagerUI::SetResourceZip(kSkinZip, sizeof kSkinZip);
  standin = std::make_unique<ApiStandin>();
  // One package that can never arrive (nothing listens on port 1): a run started by a test
  // stays on the progress page at 2 % until the window goes.
  const std::string manifest = standin->WriteFile(
      "manifest.json",
      R"({"pdfinstall":[{"name":"fontPack","url":"http://127.0.0.1:1/f.dat","size":"1000"}]})");
  ASSERT_TRUE(standin->Start({"--manifest", manifest}));
  SetApiHostForTesting(standin->Host());
}

void ShellWindowTest::TearDownTestSuite() {
  SetApiHostForTesting("");
  standin.reset();
}

void ShellWindowTest::SetUp() {
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOnline);
  platform::SetDiskFreeSpaceForTesting([this](const std::wstring&, uint64_t& bytes) {
    bytes = freeBytes;
    return true;
  });
  platform::SetProgramFilesFolderForTesting([] { return L"C:\\Program Files"; });
  SetUiPauseForTesting([this](uint32_t milliseconds) {
    pauses.push_back(milliseconds);
    if (duringPause) {
      duringPause(milliseconds);
    }
  });
  platform::SetEndProcessForTesting([this](uint32_t code) { endRequests.push_back(code); });
  reportsBefore = standin->Reports().size();
}

void ShellWindowTest::TearDown() {
  // The next test counts its reports from here: the windows are gone, so the sender is
  // held up by nothing.
  EXPECT_TRUE(GetSender()->WaitForIdleForTesting(15000));
  DuiLib::CUiTestDriver::OnModalLoop(nullptr);
  platform::SetEndProcessForTesting(nullptr);
  SetUiPauseForTesting(nullptr);
  platform::SetProgramFilesFolderForTesting(nullptr);
  platform::SetDiskFreeSpaceForTesting(nullptr);
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kSystem);
}

void ShellWindowTest::OnModalWindow(
    std::function<void(DuiLib::WindowImplBase& window, const std::wstring& cls)> script) {
  DuiLib::CUiTestDriver::OnModalLoop(
      [script](DuiLib::WindowImplBase& window) { script(window, window.GetWindowClassName()); });
}

std::wstring TipTextOf(DuiLib::WindowImplBase& tip) {
  DuiLib::CControlUI* label = tip.GetPaintManager().FindControl(L"lblText");
  return label != nullptr ? label->GetText() : L"(no lblText)";
}

std::vector<std::string> ShellWindowTest::WaitForSteps(size_t count, uint32_t timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::vector<std::string> steps;
  for (;;) {
    DuiLib::CUiTestDriver::PumpMessages();
    steps.clear();
    const std::vector<StandinReport> reports = standin->Reports();
    for (size_t i = reportsBefore; i < reports.size(); ++i) {
      steps.push_back(reports[i].step);
    }
    if (steps.size() >= count || std::chrono::steady_clock::now() > end) {
      return steps;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}
