// The size probe against the API stand-in: announced lengths of every kind of answer, none
// when none is announced, and a probe that never waits for the body or a silent server.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "install/content_length_probe.h"
#include "platform/clock.h"
#include "tests/install/test_support.h"
#include "threads/worker_thread.h"
#include "tools/api_standin/api_standin.h"

namespace {

class ContentLengthProbeTest : public testing::Test {
 protected:
  void SetUp() override {
    standin_.WriteFile("package.exe", std::string(123457, 'p'));
    standin_.WriteFile("empty.exe", "");
    ASSERT_TRUE(standin_.Start(
        {"--packages", standin_.ScratchFolder(), "--fault", "/chunked.exe=chunked", "--fault",
         "/down.exe=status:503:Service down", "--fault", "/slow.exe=slow-body:1:60000", "--fault",
         "/silent.exe=never-answer:60000"}));
    standin_.WriteFile("chunked.exe", std::string(5000, 'c'));
    standin_.WriteFile("slow.exe", std::string(100000, 's'));
  }

  ApiStandin standin_;
};

TEST_F(ContentLengthProbeTest, TakesTheAnnouncedLengthOfAnyAnswer) {
  const std::pair<const char*, uint32_t> announced[] = {
      {"/package.exe", 123457},
      {"/empty.exe", 0},
      {"/down.exe", 12},      // an error page's length is taken as it is
      {"/slow.exe", 100000},  // a body that would take days is never read
  };
  for (const auto& [path, expected] : announced) {
    uint32_t length = 0xFFFFFFFF;
    EXPECT_TRUE(ProbeContentLength(standin_.Url(path), length)) << path;
    EXPECT_EQ(length, expected) << path;
  }
}

TEST_F(ContentLengthProbeTest, WithoutAnAnnouncedLengthOrAServerThereIsNoAnswer) {
  uint32_t length = 0;
  EXPECT_FALSE(ProbeContentLength(standin_.Url("/chunked.exe"), length));
  EXPECT_FALSE(ProbeContentLength("http://127.0.0.1:1/package.exe", length));
  EXPECT_FALSE(ProbeContentLength("not an address", length));
}

// A worker that probes one address per task, as the controller does on its thread.
class ProbingWorker : public CWorkerThread<std::string> {
 public:
  ~ProbingWorker() override { StopThread(); }
  void ProcessTask(std::string& url) override {
    probing.store(true);
    uint32_t length = 0;
    ProbeContentLength(url, length);
  }
  const wchar_t* GetName() const override { return L"ProbingWorker"; }
  std::atomic<bool> probing{false};
};

TEST_F(ContentLengthProbeTest, DestroyingTheWorkerEndsAProbeOfASilentServer) {
  auto worker = std::make_unique<ProbingWorker>();
  ASSERT_TRUE(worker->Start());
  worker->Post(standin_.Url("/silent.exe"));
  ASSERT_TRUE(install_test::WaitUntil([&] { return worker->probing.load(); }));
  platform::Sleep(300);
  const uint32_t start = platform::GetTickCount();
  worker.reset();
  EXPECT_LT(platform::GetTickCount() - start, 10000u) << "did not wait for the server";
}

}  // namespace
