// Whole runs of the controller against the API stand-in with packages that need no program:
// manifest, sizing, downloads, installs and completion, on real threads and real transfers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/control.h"
#include "controller/package_manifest.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "reporting/api_urls.h"
#include "tests/controller/run_observer.h"
#include "tests/support/fake_registry.h"
#include "tools/api_standin/api_standin.h"

namespace {

// A controller whose package list the test can read once the run is over.
class InspectableControl : public CControl {
 public:
  std::vector<DownInfo> Downloads() const { return downloadList; }
};

class ControlRunTest : public ::testing::Test {
 protected:
  ControlRunTest() {
    folder_ = platform::TempDirectory() + "quillo_control_run\\";
    platform::CreateDirectories(platform::NarrowToWide(folder_));
    platform::SetTempDirectoryForTesting(folder_);
  }
  ~ControlRunTest() override {
    platform::SetTempDirectoryForTesting("");
    SetApiHostForTesting("");
  }

  // Starts the stand-in with `manifest`, in which {{BASE_URL}} stands for its address.
  void StartStandin(const std::string& manifest, std::vector<std::string> options = {}) {
    const std::string path = standin.WriteFile("manifest.json", "{}");
    options.insert(options.end(), {"--manifest", path, "--packages", standin.ScratchFolder()});
    ASSERT_TRUE(standin.Start(options));
    std::string filled = manifest;
    const std::string base = standin.Url("");
    for (size_t at; (at = filled.find("{{BASE_URL}}")) != std::string::npos;) {
      filled.replace(at, 12, base);
    }
    standin.WriteFile("manifest.json", filled);
    SetApiHostForTesting(standin.Host());
  }

  std::string folder_;
  FakeRegistry registry;
  ApiStandin standin;
  RunObserver observer;
};

TEST_F(ControlRunTest, RunsToCompletionWithRisingPercentages) {
  standin.WriteFile("fonts.dat", std::string(300000, 'f'));
  standin.WriteFile("extras.dat", std::string(100000, 'e'));
  StartStandin(R"({"pdfinstall":[
      {"name":"fontPack","url":"{{BASE_URL}}/fonts.dat"},
      {"name":"extras","url":"{{BASE_URL}}/extras.dat","size":"100000"}]})");

  InspectableControl control;
  control.notifyWindow = RunObserver::Window();
  ASSERT_TRUE(control.Start());
  control.BeginInstall("C:\\Program Files\\QuilloPDF");
  ASSERT_TRUE(observer.WaitForDone(60000));

  ASSERT_NO_FATAL_FAILURE(observer.ExpectOneRisingRun());
  const auto messages = observer.Messages();
  EXPECT_EQ(messages[0].id, WM_INSTALL_PROGRESS);
  EXPECT_EQ(messages.back().id, WM_INSTALL_DONE);
  EXPECT_EQ(messages.back().percent, 100u);

  // The entry without a size was probed; both files arrived whole.
  const auto downloads = control.Downloads();
  ASSERT_EQ(downloads.size(), 2u);
  EXPECT_EQ(downloads[0].size, 300000u);
  EXPECT_EQ(downloads[1].size, 100000u);
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(platform::NarrowToWide(folder_ + "fonts.dat"), bytes));
  EXPECT_EQ(bytes.size(), 300000u);
}

TEST_F(ControlRunTest, AnAddressWithAQueryIsSavedUnderItsPlainName) {
  standin.WriteFile("setup.exe", std::string(20000, 's'));
  StartStandin(R"({"pdfinstall":[{"name":"x","url":"{{BASE_URL}}/setup.exe?sig=a/b\\..\\c"}]})");
  CControl control;
  control.notifyWindow = RunObserver::Window();
  ASSERT_TRUE(control.Start());
  control.BeginInstall("C:\\Program Files\\QuilloPDF");
  ASSERT_TRUE(observer.WaitForDone(60000));
  EXPECT_TRUE(platform::PathExists(folder_ + "setup.exe"));
}

// A run that can never finish ends at once with the failure message alone, and the same
// controller then runs a new attempt to completion.
TEST_F(ControlRunTest, ARunWithoutPackagesEndsWithTheFailureMessageAndMayBeginAgain) {
  standin.WriteFile("fonts.dat", std::string(1000, 'f'));
  StartStandin(R"({"pdfinstall":[]})");
  SetManifestRetryPauseForTesting([] {});
  const std::string realHost = standin.Host();
  const struct {
    const char* what;
    const char* host;
    const char* manifest;
  } cases[] = {
      {"no package", nullptr, R"({"pdfinstall":[]})"},
      {"every package needs nothing", nullptr,
       R"({"pdfinstall":[{"name":"x","url":"{{BASE_URL}}/fonts.dat","needed":"0"}]})"},
      {"not JSON", nullptr, "<html>busy</html>"},
      {"server down", "127.0.0.1:1", R"({"pdfinstall":[]})"},
  };
  CControl control;
  control.notifyWindow = RunObserver::Window();
  ASSERT_TRUE(control.Start());
  for (const auto& c : cases) {
    std::string manifest = c.manifest;
    const std::string base = standin.Url("");
    for (size_t at; (at = manifest.find("{{BASE_URL}}")) != std::string::npos;) {
      manifest.replace(at, 12, base);
    }
    standin.WriteFile("manifest.json", manifest);
    SetApiHostForTesting(c.host != nullptr ? c.host : realHost);
    const size_t before = observer.Messages().size();
    control.BeginInstall("C:\\Program Files\\QuilloPDF");
    for (int i = 0; i < 500 && observer.Messages().size() == before; ++i) {
      platform::Sleep(20);
    }
    platform::Sleep(200);
    const auto messages = observer.Messages();
    ASSERT_EQ(messages.size(), before + 1) << c.what;
    EXPECT_EQ(messages.back().id, WM_INSTALL_FAILED) << c.what;
  }

  SetApiHostForTesting(realHost);
  standin.WriteFile("manifest.json", "{\"pdfinstall\":[{\"name\":\"x\",\"url\":\"" +
                                         standin.Url("/fonts.dat") + "\"}]}");
  control.BeginInstall("C:\\Program Files\\QuilloPDF");
  const bool done = observer.WaitForDone(60000);
  SetManifestRetryPauseForTesting({});
  EXPECT_TRUE(done);
}

TEST_F(ControlRunTest, FailedDownloadsAreRetriedUntilTheyArrive) {
  standin.WriteFile("flaky.dat", std::string(50000, 'x'));
  CDownloaderThread::SetFirstRetryDelayForTesting(10);
  StartStandin(
      R"({"pdfinstall":[{"name":"fontPack","url":"{{BASE_URL}}/flaky.dat","size":"50000"}]})",
      {"--fault", "/flaky.dat=fail-first:2:503"});
  CControl control;
  control.notifyWindow = RunObserver::Window();
  ASSERT_TRUE(control.Start());
  control.BeginInstall("D:\\QuilloPDF");
  const bool done = observer.WaitForDone(60000);
  CDownloaderThread::SetFirstRetryDelayForTesting(500);
  ASSERT_TRUE(done);
}

TEST_F(ControlRunTest, DestroyingTheControllerDuringADownloadIsPrompt) {
  standin.WriteFile("big.dat", std::string(200000, 'b'));
  StartStandin(R"({"pdfinstall":[{"name":"x","url":"{{BASE_URL}}/big.dat","size":"200000"}]})",
               {"--fault", "/big.dat=never-answer:60000"});
  uint32_t destroyedAfter = 0;
  {
    CControl control;
    control.notifyWindow = RunObserver::Window();
    ASSERT_TRUE(control.Start());
    control.BeginInstall("D:\\QuilloPDF");
    for (int i = 0; i < 200 && observer.Messages().size() < 2; ++i) {
      platform::Sleep(20);
    }
    platform::Sleep(300);  // the download is now waiting for an answer that never comes
    destroyedAfter = platform::GetTickCount();
  }
  EXPECT_LT(platform::GetTickCount() - destroyedAfter, 3000u);
}

}  // namespace
