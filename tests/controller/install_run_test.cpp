// Whole installation runs under Wine: the controller fetches the demo manifest from the API
// stand-in and installs the stand-in packages for real (MSI packages through msiexec, setup
// programs with their silent switches, the archived runtime through the archive tool).
// Each test runs in a Wine prefix of its own, since it writes the registry.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controller/control.h"
#include "controller/prerequisites.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "reporting/api_urls.h"
#include "tests/controller/run_observer.h"
#include "tools/api_standin/api_standin.h"
#include "tools/api_standin/host_path.h"

namespace {

constexpr uint32_t kRunTimeoutMs = 120000;
const std::wstring kProductKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuilloPDF\u8F6C\u6362\u5668";

// Whether a 32-bit MSI package registered `displayName`: this 64-bit program sees the
// 32-bit view of the list of installed programs under WOW6432Node.
bool IsRegisteredFor32BitPrograms(const std::wstring& displayName) {
  const std::wstring list = L"Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  platform::RegistryKey uninstall(list);
  std::wstring subkey;
  for (uint32_t i = 0; uninstall.EnumSubkey(i, subkey); ++i) {
    std::wstring name;
    if (ReadRegistryString(list + L"\\" + subkey, L"DisplayName", name) && name == displayName) {
      return true;
    }
  }
  return false;
}

class InspectableControl : public CControl {
 public:
  std::vector<int32_t> Kinds() const {
    std::vector<int32_t> kinds;
    for (const auto& entry : downloadList) {
      kinds.push_back(entry.kind);
    }
    return kinds;
  }
};

class InstallRunTest : public ::testing::Test {
 protected:
  InstallRunTest() {
    // The stand-in packages take these from the environment the setup passes on.
    eventLog_ = platform::TempDirectory() + "standin_events.log";
    _putenv_s("QUILLO_STANDIN_LOG", eventLog_.c_str());
    _putenv_s("QUILLO_STANDIN_SETUP_MS", "1500");
    _putenv_s("QUILLO_STANDIN_DOTNET_MS", "2500");
    _putenv_s("QUILLO_STANDIN_VCREDIST_MS", "200");
    // The setup program carries its archive tool as a resource; this test program does not.
    std::string tool;
    EXPECT_TRUE(platform::ReadWholeFile(HostPath(ARCHIVE_TOOL_PROGRAM), tool));
    platform::RegisterResourceForTesting(L"EXE", 104, tool);
  }
  ~InstallRunTest() override { SetApiHostForTesting(""); }

  void StartStandin(std::vector<std::string> options = {}) {
    const std::string manifest = standin.WriteFile("manifest.json", "{}");
    options.insert(options.end(), {"--manifest", manifest, "--packages", STANDIN_PACKAGES_DIR});
    ASSERT_TRUE(standin.Start(options));
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(
        HostPath(std::string(STANDIN_PACKAGES_DIR) + "/manifest.template.json"), text));
    for (size_t at; (at = text.find("{{BASE_URL}}")) != std::string::npos;) {
      text.replace(at, 12, standin.Url(""));
    }
    standin.WriteFile("manifest.json", text);
    SetApiHostForTesting(standin.Host());
  }

  // Runs one installation to its end and checks what the window would have seen.
  void RunInstallation(InspectableControl& control) {
    RunObserver observer;
    control.notifyWindow = RunObserver::Window();
    ASSERT_TRUE(control.Start());
    control.BeginInstall("C:\\Program Files\\QuilloPDF");
    ASSERT_TRUE(observer.WaitForDone(kRunTimeoutMs)) << "the run did not complete";
    observer.ExpectOneRisingRun();
  }

  std::vector<std::string> EventLines() {
    std::string text;
    platform::ReadWholeFile(platform::NarrowToWide(eventLog_), text);
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      if (end == std::string::npos) {
        end = text.size();
      }
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }

  // Index of the first event line containing `text`, or -1.
  int EventIndex(const std::string& text) {
    const auto lines = EventLines();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].find(text) != std::string::npos) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }

  bool WaitForEvent(const std::string& text, uint32_t timeoutMs) {
    for (uint32_t waited = 0; EventIndex(text) < 0; waited += 100) {
      if (waited >= timeoutMs) {
        return false;
      }
      platform::Sleep(100);
    }
    return true;
  }

  std::string eventLog_;
  ApiStandin standin;
};

TEST_F(InstallRunTest, InstallsEveryPackageAndThenOnlyWhatIsMissing) {
  StartStandin();
  InspectableControl first;
  RunInstallation(first);
  ASSERT_TRUE(standin.WaitForReports(1, 10000));
  EXPECT_EQ(standin.Reports()[0].step, "7002");

  // The run ends as soon as the .NET client profile is in place; its setup finishes on its own.
  ASSERT_TRUE(WaitForEvent("dotnet4 end", 20000));

  // Every stand-in registered itself.
  EXPECT_TRUE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", true));
  EXPECT_TRUE(IsUninstallEntryPresent(L"Microsoft Visual C++ 2015 x86 Minimum Runtime", false));
  EXPECT_TRUE(IsRegisteredFor32BitPrograms(L"Microsoft Visual C++ 2005 Redistributable"));
  EXPECT_TRUE(IsNet4Installed(Net4Profile::Client));
  EXPECT_TRUE(IsNet4Installed(Net4Profile::Full));
  std::wstring program;
  ASSERT_TRUE(ReadRegistryString(kProductKey, L"DisplayIcon", program));
  EXPECT_EQ(program, L"C:\\Program Files\\QuilloPDF\\QuilloPDF.exe");
  EXPECT_TRUE(platform::PathExists(program));

  // The product's setup ran beside the prerequisites, not after them.
  const int productStart = EventIndex("installer start /S /D=C:\\Program Files\\QuilloPDF");
  const int lastPrerequisiteEnd =
      std::max(EventIndex("dotnet4 end"), EventIndex("vcredist2015 end"));
  ASSERT_GE(productStart, 0);
  EXPECT_LT(productStart, lastPrerequisiteEnd);

  // A second run on this machine skips what the first one installed.
  InspectableControl second;
  RunInstallation(second);
  EXPECT_EQ(second.Kinds(), (std::vector<int32_t>{PKG_VCREDIST2005_X86, PKG_OTHER, PKG_INSTALLER}));
}

TEST_F(InstallRunTest, CompletesWhenThePackageServerFailsAtFirst) {
  CDownloaderThread::SetFirstRetryDelayForTesting(50);
  StartStandin({"--fault", "/bcl_sdk5_word_x64.msi=fail-first:2:503", "--fault",
                "/QuilloPDF_setup.exe=fail-first:2:503"});
  InspectableControl control;
  RunInstallation(control);
  CDownloaderThread::SetFirstRetryDelayForTesting(500);
  EXPECT_TRUE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", true));
  std::wstring program;
  EXPECT_TRUE(ReadRegistryString(kProductKey, L"DisplayIcon", program));
}

}  // namespace
