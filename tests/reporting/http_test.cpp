// HttpGet, HttpPost and HttpClient against a real server on loopback: any completed transfer
// succeeds with the body as sent, failures come back as false in bounded time, bodies travel byte
// for byte, overlapping requests share the process-wide library state safely, and a cancelled
// worker ends its transfer early.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "build_config.h"
#include "platform/cancellation.h"
#include "platform/threading.h"
#include "reporting/api_urls.h"
#include "reporting/http_client.h"
#include "reporting/http_requests.h"
#include "tools/api_standin/api_standin.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class HttpTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    standin_ = new ApiStandin;
    standin_->WriteFile("slow", std::string(100000, 's'));
    ASSERT_TRUE(standin_->Start({"--packages", standin_->ScratchFolder(),         //
                                 "--fault", "/missing=status:404:gone away",      //
                                 "--fault", "/broken=status:500:server trouble",  //
                                 "--fault", "/empty=status:200:",                 //
                                 "--fault", "/silent=never-answer:14000",         //
                                 "--fault", "/slow=delay:700"}));
  }
  static void TearDownTestSuite() {
    delete standin_;
    standin_ = nullptr;
  }
  static ApiStandin* standin_;
};

ApiStandin* HttpTest::standin_ = nullptr;

TEST_F(HttpTest, AnyCompletedTransferSucceedsWithItsBody) {
  const struct {
    const char* path;
    const char* body;
  } cases[] = {{"/missing", "gone away"}, {"/broken", "server trouble"}, {"/empty", ""}};
  for (const auto& c : cases) {
    std::string response;
    EXPECT_TRUE(HttpGet(standin_->Url(c.path), response)) << c.path;
    EXPECT_EQ(response, c.body);
    response.clear();
    EXPECT_TRUE(HttpPost(standin_->Url(c.path), "a=b", response)) << c.path;
    EXPECT_EQ(response, c.body);
  }
}

TEST_F(HttpTest, PostsTheBodyByteForByte) {
  const std::string body = "channel=ab+/cd==&version=x%2By&step= +/=&mac=";
  std::string response;
  ASSERT_TRUE(HttpPost(standin_->Url("/standin/echo"), body, response));
  EXPECT_EQ(response, body);
}

TEST_F(HttpTest, RefusedConnectionFailsQuickly) {
  const Clock::time_point start = Clock::now();
  std::string response;
  EXPECT_FALSE(HttpGet("http://127.0.0.1:1/api-pdf/get-zhq-package", response));
  EXPECT_FALSE(HttpPost("http://127.0.0.1:1/api-pdf/soft-pdf", "a=b", response));
  EXPECT_LT(SecondsSince(start), 8.0);
}

TEST_F(HttpTest, SilentServerFailsAfterTheTransferLimit) {
  const Clock::time_point start = Clock::now();
  std::string response;
  EXPECT_FALSE(HttpGet(standin_->Url("/silent"), response));
  const double seconds = SecondsSince(start);
  EXPECT_GE(seconds, 9.5);
  EXPECT_LT(seconds, 13.0);
}

TEST_F(HttpTest, OverlappingRequestsBothComplete) {
  // A slow GET stays in flight while short POSTs begin and end, each with its own global
  // initialisation and clean-up.
  bool slowOk = false;
  std::string slowBody;
  platform::Thread slow;
  ASSERT_TRUE(slow.Start([&] { slowOk = HttpGet(standin_->Url("/slow"), slowBody); }));
  for (int i = 0; i < 5; ++i) {
    std::string response;
    EXPECT_TRUE(HttpPost(standin_->Url("/standin/echo"), "n=" + std::to_string(i), response));
    EXPECT_EQ(response, "n=" + std::to_string(i));
  }
  slow.Join();
  EXPECT_TRUE(slowOk);
  EXPECT_TRUE(slowBody == std::string(100000, 's'));
}

TEST_F(HttpTest, CancellingTheWorkerEndsItsTransfer) {
  platform::Event cancel(platform::Event::Reset::kManual);
  bool ok = true;
  platform::Thread worker;
  const Clock::time_point start = Clock::now();
  ASSERT_TRUE(worker.Start([&] {
    platform::ScopedCancellation scope(cancel);
    std::string response;
    ok = HttpGet(standin_->Url("/silent"), response);
  }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  cancel.Signal();
  worker.Join();
  EXPECT_FALSE(ok);
  EXPECT_LT(SecondsSince(start), 3.0);
}

TEST_F(HttpTest, TheClientReturnsLibcurlCodesAndCanTrace) {
  std::string response;
  EXPECT_EQ(HttpClient(false).Get("http://127.0.0.1:1/", response), 7);  // couldn't connect
  testing::internal::CaptureStdout();
  EXPECT_EQ(HttpClient(true).Post(standin_->Url("/standin/echo"), "x=1", response), 0);
  const std::string trace = testing::internal::GetCapturedStdout();
  EXPECT_EQ(response, "x=1");
  EXPECT_NE(trace.find("[HEADER_OUT]POST /standin/echo HTTP/1.1"), std::string::npos) << trace;
  EXPECT_NE(trace.find("[HEADER_IN]HTTP/1.1 200 OK"), std::string::npos);
  EXPECT_NE(trace.find("[DATA_OUT]x=1\n"), std::string::npos);
  EXPECT_NE(trace.find("[DATA_IN]x=1\n"), std::string::npos);
}

TEST(ApiUrlsTest, UseTheConfiguredHostUnlessOverridden) {
  EXPECT_EQ(ManifestUrl(), "http://" QUILLO_API_HOST "/api-pdf/get-zhq-package");
  EXPECT_EQ(StatisticsUrl(), "http://" QUILLO_API_HOST "/api-pdf/soft-pdf");
  SetApiHostForTesting("127.0.0.1:4242");
  EXPECT_EQ(ManifestUrl(), "http://127.0.0.1:4242/api-pdf/get-zhq-package");
  EXPECT_EQ(StatisticsUrl(), "http://127.0.0.1:4242/api-pdf/soft-pdf");
  SetApiHostForTesting("");
  EXPECT_EQ(StatisticsUrl(), "http://" QUILLO_API_HOST "/api-pdf/soft-pdf");
}

}  // namespace
