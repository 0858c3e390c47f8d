// The downloader against real transfers from the API stand-in on loopback: progress and
// final reports, servers that announce no length, fail or break off, stops and destruction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "install/retry_backoff.h"
#include "platform/clock.h"
#include "platform/crypto.h"
#include "platform/files.h"
#include "tests/install/fake_owner.h"
#include "tests/install/test_support.h"
#include "tools/api_standin/api_standin.h"

namespace {

using install_test::FakeOwner;
using install_test::ReadFileOrEmpty;
using install_test::ScratchFolder;

// Bytes that do not repeat in short runs, so a misplaced block would show.
std::string PackageBytes(size_t size) {
  std::string bytes(size, '\0');
  uint32_t state = 2463534242u;
  for (auto& byte : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    byte = static_cast<char>(state);
  }
  return bytes;
}

class DownloaderTest : public testing::Test {
 protected:
  void StartStandin(const std::vector<std::string>& faults = {}) {
    standin_.WriteFile("dotnet4.exe", package_);
    std::vector<std::string> options = {"--packages", standin_.ScratchFolder()};
    for (const auto& fault : faults) {
      options.push_back("--fault");
      options.push_back(fault);
    }
    ASSERT_TRUE(standin_.Start(options));
  }

  DownInfo Task(const std::string& path = "/dotnet4.exe") {
    DownInfo task;
    task.kind = PKG_DOTNET4;
    task.url = standin_.Url(path);
    task.localPath = scratch_.File("dotnet4.exe");
    task.size = static_cast<uint32_t>(package_.size());
    return task;
  }

  std::string Downloaded() { return ReadFileOrEmpty(scratch_.WideFile("dotnet4.exe")); }

  // Runs one task to its final report and returns the values reported.
  std::vector<int32_t> Download(const DownInfo& task) {
    EXPECT_TRUE(owner_->Downloader().Start());
    owner_->Downloader().Post(task);
    EXPECT_TRUE(owner_->WaitForFinal(20000));
    return owner_->Values();
  }

  const std::string package_ = PackageBytes(3 * 1024 * 1024 + 17);
  ApiStandin standin_;
  ScratchFolder scratch_;
  std::unique_ptr<FakeOwner> owner_ = std::make_unique<FakeOwner>();
};

// Progress values 1 to 99 that never fall, each point at most once except 99.
void ExpectRisingProgress(const std::vector<int32_t>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    EXPECT_GE(values[i], 1) << i;
    EXPECT_LE(values[i], 99) << i;
    if (i > 0) {
      EXPECT_TRUE(values[i] > values[i - 1] || values[i] == 99) << i;
    }
  }
}

TEST_F(DownloaderTest, DownloadsAPackageWithRisingReportsThenOneFinalReport) {
  StartStandin();
  const uint32_t before = platform::GetTickCount();
  const auto values = Download(Task());
  ASSERT_GE(values.size(), 2u);
  EXPECT_EQ(values.back(), 100);
  ExpectRisingProgress(std::vector<int32_t>(values.begin(), values.end() - 1));
  EXPECT_EQ(Downloaded(), package_);

  const auto reports = owner_->Reports();
  for (const auto& report : reports) {
    EXPECT_EQ(report.type, CONTROL_DOWNLOAD_PROGRESS);
    EXPECT_EQ(report.record, reports[0].record) << "one report copy per attempt";
  }
  const auto* record = owner_->Records().back().index() == 1
                           ? std::get<std::shared_ptr<DownInfo>>(owner_->Records().back()).get()
                           : nullptr;
  ASSERT_NE(record, nullptr);
  const DownInfo task = Task();
  EXPECT_EQ(record->url, task.url);
  EXPECT_EQ(record->localPath, task.localPath);
  EXPECT_EQ(record->size, task.size);
  EXPECT_EQ(record->kind, PKG_DOTNET4);
  EXPECT_LE(record->stamp - before, platform::GetTickCount() - before) << "stamped on taking";
}

// The file a hash names is the only one that may stay: a different file, a malformed hash
// and a tampered transfer are failed downloads whose file is gone; either case of the hex
// digits is taken.
TEST_F(DownloaderTest, ADownloadEndsWellOnlyWhenItsFileHasTheManifestsHash) {
  platform::Sha256Digest digest{};
  ASSERT_TRUE(platform::Sha256Of(package_, digest));
  std::string hex;
  for (unsigned char byte : digest) {
    const char* digits = "0123456789abcdef";
    hex += {digits[byte >> 4], digits[byte & 15]};
  }
  std::string upper = hex;
  std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
  std::string other = hex;
  other[63] = other[63] == '0' ? '1' : '0';
  struct Case {
    const char* what;
    std::optional<std::string> sha256;
    bool tampered;
    bool finished;
  };
  const Case cases[] = {
      {"no hash", std::nullopt, false, true},
      {"the right hash", hex, false, true},
      {"the right hash in capitals", upper, false, true},
      {"another hash", other, false, false},
      {"a hash too short", hex.substr(1), false, false},
      {"not hexadecimal", std::string(64, 'g'), false, false},
      {"empty", std::string(), false, false},
      {"tampered bytes", hex, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApiStandin standin;
    standin.WriteFile("dotnet4.exe", package_);
    std::vector<std::string> options = {"--packages", standin.ScratchFolder()};
    if (c.tampered) {
      options.insert(options.end(), {"--tamper", "/dotnet4.exe=1"});
    }
    ASSERT_TRUE(standin.Start(options));
    DownInfo task = Task();
    task.url = standin.Url("/dotnet4.exe");
    task.sha256 = c.sha256;
    owner_ = std::make_unique<FakeOwner>();
    const auto values = Download(task);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), c.finished ? 100 : -1);
    EXPECT_EQ(platform::PathExists(task.localPath), c.finished);
  }
}

TEST_F(DownloaderTest, AServerThatAnnouncesNoLengthGetsOnlyTheFinalReport) {
  StartStandin({"/dotnet4.exe=chunked"});
  EXPECT_EQ(Download(Task()), std::vector<int32_t>{100});
  EXPECT_EQ(Downloaded(), package_);
}

TEST_F(DownloaderTest, AMissingPackageFailsAndALeftoverFileIsGoneFirst) {
  StartStandin();
  ASSERT_TRUE(platform::WriteWholeFile(scratch_.WideFile("dotnet4.exe"), "stale", 5));
  EXPECT_EQ(Download(Task("/no-such-package.exe")), std::vector<int32_t>{-1});
  EXPECT_NE(Downloaded(), "stale");
}

TEST_F(DownloaderTest, AConnectionClosedMidBodyIsAFailureNeverASuccess) {
  StartStandin({"/dotnet4.exe=close-mid-body"});
  const auto values = Download(Task());
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.back(), -1);
  EXPECT_EQ(std::count(values.begin(), values.end(), 100), 0);
  ExpectRisingProgress(std::vector<int32_t>(values.begin(), values.end() - 1));
}

TEST_F(DownloaderTest, AResentTaskIsANewAttemptWithANewReportCopy) {
  StartStandin({"/dotnet4.exe=fail-first:1:503"});
  ASSERT_TRUE(owner_->Downloader().Start());
  owner_->Downloader().Post(Task());
  owner_->Downloader().Post(Task());
  ASSERT_TRUE(install_test::WaitUntil(
      [&] {
        const auto values = owner_->Values();
        return std::count(values.begin(), values.end(), 100) == 1;
      },
      20000));
  const auto reports = owner_->Reports();
  ASSERT_GE(reports.size(), 3u);
  EXPECT_EQ(reports[0].value, -1);
  EXPECT_NE(reports[1].record, reports[0].record);
  EXPECT_GE(reports[1].value, 1) << "the second attempt starts from the beginning";
  EXPECT_EQ(reports.back().value, 100);
  EXPECT_EQ(Downloaded(), package_);
}

TEST_F(DownloaderTest, AStopSeenAtAProgressReportAbandonsTheDownloadAndTheQueue) {
  // 3 MB in 64 KB pieces every 50 ms: over two seconds, with a report every piece or two.
  StartStandin({"/dotnet4.exe=slow-body:65536:50"});
  owner_->onReport = [this](const install_test::Report&) { owner_->Downloader().RequestStop(); };
  ASSERT_TRUE(owner_->Downloader().Start());
  owner_->Downloader().Post(Task());
  owner_->Downloader().Post(Task());
  ASSERT_TRUE(owner_->WaitForReports(1));
  ASSERT_TRUE(install_test::WaitUntil([&] { return !owner_->Downloader().IsRunning(); }));
  platform::Sleep(100);

  const auto reports = owner_->Reports();
  for (const auto& report : reports) {
    EXPECT_GE(report.value, 1);
    EXPECT_LE(report.value, 99) << "no final report";
    EXPECT_EQ(report.record, reports[0].record) << "the queued task was not taken";
  }
  EXPECT_LE(reports.size(), 3u) << "abandoned at the report after the stop";
  const std::string partial = Downloaded();
  EXPECT_LT(partial.size(), package_.size()) << "the partial file stays";
  EXPECT_EQ(partial, package_.substr(0, partial.size()));
}

TEST_F(DownloaderTest, DestroyingTheOwnerEndsADownloadFromASilentServer) {
  StartStandin({"/dotnet4.exe=never-answer:60000"});
  ASSERT_TRUE(owner_->Downloader().Start());
  owner_->Downloader().Post(Task());
  platform::Sleep(300);
  const uint32_t start = platform::GetTickCount();
  owner_.reset();
  EXPECT_LT(platform::GetTickCount() - start, 10000u) << "did not wait for the server";
}

}  // namespace

namespace {

TEST(RetryBackoffTest, DoublesFromHalfASecondUpToThirtySeconds) {
  const struct {
    uint32_t failures, delayMs;
  } cases[] = {{0, 0},     {1, 500},   {2, 1000},  {3, 2000},   {4, 4000},     {5, 8000},
               {6, 16000}, {7, 30000}, {8, 30000}, {40, 30000}, {1000, 30000}, {UINT32_MAX, 30000}};
  for (const auto& c : cases) {
    EXPECT_EQ(RetryDelayMs(c.failures), c.delayMs) << c.failures;
  }
  EXPECT_EQ(RetryDelayMs(3, 10, 25), 25u);
  EXPECT_EQ(RetryDelayMs(2, 10, 25), 20u);
}

// A task that failed before waits its backoff before it asks the server again; a first
// attempt does not wait.
TEST_F(DownloaderTest, ATaskThatFailedBeforeWaitsItsBackoffFirst) {
  StartStandin();
  CDownloaderThread::SetFirstRetryDelayForTesting(100);
  const struct { uint32_t failures, atLeastMs, belowMs; } cases[] = {{0, 0, 400}, {3, 400, 2000}};
  for (const auto& c : cases) {
    owner_ = std::make_unique<FakeOwner>();
    DownInfo task = Task();
    task.failures = c.failures;
    const uint32_t start = platform::GetTickCount();
    const auto values = Download(task);
    const uint32_t firstReport = owner_->Reports().front().receivedMs;
    EXPECT_GE(firstReport - start, c.atLeastMs) << c.failures;
    EXPECT_LT(firstReport - start, c.belowMs) << c.failures;
    EXPECT_EQ(values.back(), 100);
  }
  CDownloaderThread::SetFirstRetryDelayForTesting(kFirstRetryDelayMs);
}

// A stop or the owner's destruction ends the wait before a retry at once, without a report.
TEST_F(DownloaderTest, AStopEndsTheBackoffAtOnce) {
  StartStandin();
  DownInfo task = Task();
  task.failures = 8;  // 30 s
  ASSERT_TRUE(owner_->Downloader().Start());
  owner_->Downloader().Post(task);
  platform::Sleep(200);
  uint32_t start = platform::GetTickCount();
  owner_->Downloader().RequestStop();
  ASSERT_TRUE(install_test::WaitUntil([&] { return !owner_->Downloader().IsRunning(); }));
  EXPECT_LT(platform::GetTickCount() - start, 2000u);
  EXPECT_TRUE(owner_->Reports().empty());

  owner_ = std::make_unique<FakeOwner>();
  ASSERT_TRUE(owner_->Downloader().Start());
  owner_->Downloader().Post(task);
  platform::Sleep(200);
  start = platform::GetTickCount();
  owner_.reset();
  EXPECT_LT(platform::GetTickCount() - start, 2000u);
}

}  // namespace
