// Step reports from ReportStep to the stand-in: the body's fields and their order, the
// identity added by the worker, the offline wait that keeps reports in order, reports
// queued behind a post in progress, message 1025 for the exact answer "1" only, the log
// lines, and a stop that does not wait for an idle worker.
#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <regex>
#include <string>
#include <vector>

#include "build_config.h"
#include "platform/cancellation.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/network_state.h"
#include "platform/processes.h"
#include "platform/text_encoding.h"
#include "platform/threading.h"
#include "platform/window_messages.h"
#include "reporting/api_urls.h"
#include "reporting/http_requests.h"
#include "reporting/main_window_handle.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"
#include "reporting/report_step.h"
#include "reporting/send_post.h"
#include "reporting/setup_version.h"
#include "tests/reporting/renamed_copy.h"
#include "tools/api_standin/api_standin.h"

namespace {

using Clock = std::chrono::steady_clock;

const platform::WindowHandle kWindow = reinterpret_cast<platform::WindowHandle>(0x1234);

// Runs first: the process-wide sender does not exist yet.
TEST(GetSenderTest, TwoFirstCallersGetTheSameSender) {
  std::shared_ptr<CSendPost> seen[4];
  platform::Event go(platform::Event::Reset::kManual);
  platform::Thread threads[4];
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(threads[i].Start([&, i] {
      go.Wait();
      seen[i] = GetSender();
    }));
  }
  go.Signal();
  for (platform::Thread& thread : threads) {
    thread.Join();
  }
  for (const auto& sender : seen) {
    EXPECT_EQ(sender.get(), seen[0].get());
  }
  EXPECT_NE(seen[0], nullptr);
}

// Run only in a copy named setup_P7_1.exe: reports "7001" to the stand-in whose host the
// parent left beside it, and ends once the stand-in has it.
TEST(ReportStepTest, DISABLED_ReportFromThisCopy) {
  std::string host;
  ASSERT_TRUE(platform::ReadWholeFile(platform::ModuleFilePath() + L".host", host));
  SetApiHostForTesting(host);
  SetInstallerVersion(ReadOwnVersion());
  ReportStep("7001");
  for (int attempt = 0; attempt < 500; ++attempt) {
    std::string reports;
    if (HttpGet("http://" + host + "/standin/reports", reports) && !reports.empty()) {
      return;
    }
    platform::Sleep(20);
  }
  FAIL() << "the report never arrived";
}

TEST(ReportStepTest, ACopyNamedSetupP7ReportsStep7001AndExitsPromptly) {
  ApiStandin standin;
  ASSERT_TRUE(standin.Start());
  const RenamedCopy copy(L"setup_P7_1.exe");
  ASSERT_TRUE(copy.IsReady());
  ASSERT_TRUE(copy.WriteBeside(L".host", standin.Host()));

  const Clock::time_point start = Clock::now();
  copy.RunDisabledTest("ReportStepTest.DISABLED_ReportFromThisCopy");
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 8.0);

  ASSERT_TRUE(standin.WaitForReports(1, 5000));
  const StandinReport report = standin.Reports().at(0);
  EXPECT_EQ(report.channel, "P7");
  EXPECT_EQ(report.version, std::string(QUILLO_SETUP_VERSION));
  EXPECT_EQ(report.step, "7001");
  EXPECT_TRUE(std::regex_match(report.mac, std::regex("(([0-9A-F]{2}-){5}[0-9A-F]{2})?")))
      << report.mac;
  const std::string expectedStart = "channel=" + EncryptPayload("P7", PayloadKey) +
                                    "&version=" + EncryptPayload(QUILLO_SETUP_VERSION, PayloadKey) +
                                    "&step=" + EncryptPayload("7001", PayloadKey) + "&mac=";
  EXPECT_EQ(report.body.substr(0, expectedStart.size()), expectedStart);
  EXPECT_EQ(report.body.substr(expectedStart.size()), EncryptPayload(report.mac, PayloadKey));
}

std::string StepBody(const std::string& step) {
  return "channel=&version=&step=" + EncryptPayload(step, PayloadKey);
}

std::vector<std::string> StepsOf(const ApiStandin& standin) {
  std::vector<std::string> steps;
  for (const StandinReport& report : standin.Reports()) {
    steps.push_back(report.step);
  }
  return steps;
}

// A sender of its own posting to a stand-in with the given options.
class SenderTest : public testing::Test {
 protected:
  void StartStandin(const std::vector<std::string>& options = {}) {
    ASSERT_TRUE(standin_.Start(options));
    SetApiHostForTesting(standin_.Host());
  }
  void TearDown() override {
    platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kSystem);
    CSendPost::SetOfflineRetryForTesting(1000);
    SetApiHostForTesting("");
  }

  ApiStandin standin_;
};

TEST_F(SenderTest, ReportsQueuedOfflineGoOutOldestFirstOnceOnline) {
  StartStandin();
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOffline);
  CSendPost::SetOfflineRetryForTesting(10);
  CSendPost sender;
  for (const char* step : {"7001", "7002", "7003"}) {
    sender.Push(StepBody(step));
  }
  platform::Sleep(200);
  EXPECT_TRUE(standin_.Reports().empty());
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOnline);
  ASSERT_TRUE(standin_.WaitForReports(3, 5000));
  EXPECT_EQ(StepsOf(standin_), (std::vector<std::string>{"7001", "7002", "7003"}));
}

TEST_F(SenderTest, TheOfflineWaitIsASecond) {
  StartStandin();
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOffline);
  CSendPost sender;
  sender.Push(StepBody("7001"));
  platform::Sleep(100);  // the worker is now in its offline pause
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOnline);
  const Clock::time_point start = Clock::now();
  ASSERT_TRUE(standin_.WaitForReports(1, 3000));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_GT(seconds, 0.7);
  EXPECT_LT(seconds, 2.0);
}

// A report still being posted when main returns completes during the exit: the sender is
// stopped only after its post has its answer, and everything it uses then is still there.
TEST_F(SenderTest, AReportCompletesDuringTheProcessExit) {
  StartStandin({"--answer-delay-ms", "1500"});
  std::wstring program = platform::ModuleFilePath();
  program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"exit_report_program";
#ifdef _WIN32
  program += L".exe";
#endif
  platform::ProcessHandle process;
  uint32_t error = 0;
  const Clock::time_point start = Clock::now();
  ASSERT_TRUE(platform::StartProcess(
      L"\"" + program + L"\" " + platform::Utf8ToWide(standin_.Host()), process, error))
      << error;
  ASSERT_EQ(platform::WaitUnlessCancelled(process.Waitable(), 20000),
            platform::WaitResult::kSignalled);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  uint32_t exitCode = 1;
  ASSERT_TRUE(process.ReadExitCode(exitCode));
  EXPECT_EQ(exitCode, 0u) << "the exit went wrong while the report completed";
  EXPECT_GT(seconds, 1.5) << "the exit waited for the answer";
  EXPECT_EQ(StepsOf(standin_), std::vector<std::string>{"7001"});
}

TEST_F(SenderTest, ReportsPushedDuringAPostAreSentAfterIt) {
  StartStandin({"--answer-delay-ms", "400"});
  CSendPost sender;
  sender.Push(StepBody("7001"));
  ASSERT_TRUE(standin_.WaitForReports(1, 3000));  // recorded, its answer still pending
  sender.Push(StepBody("7002"));
  sender.Push(StepBody("7003"));
  ASSERT_TRUE(standin_.WaitForReports(3, 5000));
  EXPECT_EQ(StepsOf(standin_), (std::vector<std::string>{"7001", "7002", "7003"}));
}

struct SentMessage {
  platform::WindowHandle window;
  uint32_t message;
  platform::Delivery delivery;
};

TEST(SenderAnswerTest, OnlyTheExactAnswerOneNotifiesTheMainWindow) {
  std::mutex lock;
  std::vector<SentMessage> messages;
  platform::SetMessageSink([&](platform::WindowHandle window, uint32_t message, uintptr_t, intptr_t,
                               platform::Delivery delivery) {
    std::lock_guard<std::mutex> hold(lock);
    messages.push_back({window, message, delivery});
  });
  SetMainWindowHandle(kWindow);
  const struct {
    const char* answer;
    size_t messages;
  } cases[] = {{"1", 2}, {"1\n", 0}, {"11", 0}, {"", 0}};
  for (const auto& c : cases) {
    ApiStandin standin;
    ASSERT_TRUE(standin.Start({"--answer", c.answer}));
    SetApiHostForTesting(standin.Host());
    messages.clear();
    testing::internal::CaptureStdout();
    CSendPost sender;
    sender.Push(StepBody("7001"));
    sender.Push(StepBody("7003"));
    EXPECT_TRUE(sender.WaitForIdleForTesting(10000));
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(log, "post return:" + std::string(c.answer) + "\r\npost return:" + c.answer + "\r\n");
    std::lock_guard<std::mutex> hold(lock);
    ASSERT_EQ(messages.size(), c.messages) << "answer '" << c.answer << "'";
    for (const SentMessage& sent : messages) {
      EXPECT_EQ(sent.window, kWindow);
      EXPECT_EQ(sent.message, 1025u);
      EXPECT_EQ(sent.delivery, platform::Delivery::kWait);
    }
  }
  SetApiHostForTesting("");
  SetMainWindowHandle(nullptr);
  platform::SetMessageSink(nullptr);
}

TEST(SenderFailureTest, AnUnreachableServerIsLoggedAsAFailure) {
  SetApiHostForTesting("127.0.0.1:1");
  testing::internal::CaptureStdout();
  {
    CSendPost sender;
    sender.Push(StepBody("7001"));
    EXPECT_TRUE(sender.WaitForIdleForTesting(10000));
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "post fail\r\npost return:\r\n");
  SetApiHostForTesting("");
}

TEST(SenderStopTest, AnIdleWorkerStopsAtOnce) {
  CSendPost sender;
  platform::Sleep(50);  // the worker is waiting for work
  const Clock::time_point start = Clock::now();
  EXPECT_TRUE(sender.Stop(CSendPost::kStopWaitMs));
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 1.0);
}

TEST(SenderStopTest, StopWaitsForThePostInProgressAndDropsTheRest) {
  ApiStandin standin;
  ASSERT_TRUE(standin.Start({"--answer-delay-ms", "500"}));
  SetApiHostForTesting(standin.Host());
  {
    CSendPost sender;
    sender.Push(StepBody("7001"));
    ASSERT_TRUE(standin.WaitForReports(1, 3000));
    sender.Push(StepBody("7002"));
    testing::internal::CaptureStdout();
    EXPECT_TRUE(sender.Stop(CSendPost::kStopWaitMs));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "post return:1\r\n");
  }
  platform::Sleep(200);
  EXPECT_EQ(StepsOf(standin), std::vector<std::string>{"7001"});
  SetApiHostForTesting("");
}

TEST(NetworkStateTest, CanBeForcedOfflineAndBack) {
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOffline);
  EXPECT_FALSE(platform::IsNetworkConnected());
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kOnline);
  EXPECT_TRUE(platform::IsNetworkConnected());
  platform::SetNetworkStateForTesting(platform::NetworkStateForTesting::kSystem);
  platform::IsNetworkConnected();  // the system's answer depends on the machine
}

}  // namespace
