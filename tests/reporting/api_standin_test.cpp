// The API stand-in's behaviours that other tests build on: package files with their
// length, the enciphered manifest, deciphered report records, and the fault modes.
#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "reporting/http_requests.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"
#include "tools/api_standin/api_standin.h"

namespace {

class ApiStandinTest : public testing::Test {
 protected:
  void SetUp() override {
    package_ = std::string(50000, 'p') + "end";
    standin_.WriteFile("package.exe", package_);
    standin_.WriteFile("chunked.exe", package_);
    standin_.WriteFile("cut.exe", package_);
    standin_.WriteFile("flaky.exe", package_);
    standin_.WriteFile("crlf.exe", package_);
    manifest_ = standin_.WriteFile("manifest.json", "{\"list\":[]}");
    ASSERT_TRUE(standin_.Start({"--packages", standin_.ScratchFolder(), "--manifest", manifest_,
                                "--fault", "/chunked.exe=chunked",         //
                                "--fault", "/cut.exe=close-mid-body",      //
                                "--fault", "/flaky.exe=fail-first:2:503",  //
                                "--fault", "/crlf.exe=trailing-crlf"}));
  }

  ApiStandin standin_;
  std::string package_;
  std::string manifest_;
};

TEST_F(ApiStandinTest, ServesPackagesAndTheEncipheredManifest) {
  std::string response;
  ASSERT_TRUE(HttpGet(standin_.Url("/package.exe"), response));
  EXPECT_TRUE(response == package_);
  response.clear();
  ASSERT_TRUE(HttpGet(standin_.Url("/api-pdf/get-zhq-package"), response));
  EXPECT_EQ(DecryptPayload(response, PayloadKey), "{\"list\":[]}");
}

TEST_F(ApiStandinTest, AppliesItsFaultModes) {
  std::string response;
  EXPECT_TRUE(HttpGet(standin_.Url("/chunked.exe"), response));
  EXPECT_TRUE(response == package_);
  response.clear();
  EXPECT_FALSE(HttpGet(standin_.Url("/cut.exe"), response));
  EXPECT_TRUE(response == package_.substr(0, package_.size() / 2));
  for (int attempt = 0; attempt < 2; ++attempt) {
    response.clear();
    EXPECT_TRUE(HttpGet(standin_.Url("/flaky.exe"), response));
    EXPECT_TRUE(response != package_);
  }
  response.clear();
  EXPECT_TRUE(HttpGet(standin_.Url("/flaky.exe"), response));
  EXPECT_TRUE(response == package_);
  response.clear();
  EXPECT_TRUE(HttpGet(standin_.Url("/crlf.exe"), response));
  EXPECT_TRUE(response == package_ + "\r\n");
}

TEST_F(ApiStandinTest, DeciphersAndRecordsReports) {
  const std::string body = "channel=" + EncryptPayload("P7", PayloadKey) +
                           "&version=" + EncryptPayload("3.0.1.0", PayloadKey) +
                           "&step=" + EncryptPayload("7001", PayloadKey) +
                           "&mac=" + EncryptPayload("00-1A-2B-3C-4D-5E", PayloadKey);
  std::string response;
  ASSERT_TRUE(HttpPost(standin_.Url("/api-pdf/soft-pdf"), body, response));
  EXPECT_EQ(response, "1");
  ASSERT_TRUE(standin_.WaitForReports(1, 2000));
  const StandinReport report = standin_.Reports().at(0);
  EXPECT_EQ(report.channel, "P7");
  EXPECT_EQ(report.version, "3.0.1.0");
  EXPECT_EQ(report.step, "7001");
  EXPECT_EQ(report.mac, "00-1A-2B-3C-4D-5E");
  EXPECT_EQ(report.body, body);
}

TEST(ApiStandinLifetimeTest, StopsByItselfWhenIdle) {
  ApiStandin standin;
  ASSERT_TRUE(standin.Start({"--idle-exit", "1"}));
  std::string response;
  EXPECT_TRUE(HttpGet(standin.Url("/standin/ping"), response));
  EXPECT_EQ(response, "ok");
  platform::Sleep(1600);
  EXPECT_FALSE(HttpGet(standin.Url("/standin/ping"), response));
}

}  // namespace
