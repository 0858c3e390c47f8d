// Fetching the manifest from the API stand-in: the one retry, the "7002" report, failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/package_manifest.h"
#include "platform/files.h"
#include "reporting/api_urls.h"
#include "reporting/channel.h"
#include "reporting/manifest_signature.h"
#include "tests/support/fake_registry.h"
#include "tools/api_standin/api_standin.h"
#include "tools/api_standin/host_path.h"

namespace {

constexpr char kManifestPath[] = "/api-pdf/get-zhq-package";
constexpr char kManifest[] = R"({"pdfHandling":{"Version":"9.9.9.9","url":""},"pdfinstall":[)"
                             R"({"name":"installer","url":"http://h/setup.exe","size":"1234"},)"
                             R"({"name":"vcredist2005x86","url":"http://h/vc.zip"}]})";

// Nothing listens on port 1, so requests there fail at once.
constexpr char kUnreachableHost[] = "127.0.0.1:1";

class FetchManifestTest : public ::testing::Test {
 protected:
  ~FetchManifestTest() override {
    SetManifestRetryPauseForTesting({});
    SetApiHostForTesting("");
  }

  bool StartStandin(ApiStandin& standin, std::vector<std::string> options = {}) {
    const std::string manifest = standin.WriteFile("manifest.json", kManifest);
    options.insert(options.end(), {"--manifest", manifest});
    return standin.Start(options);
  }

  FakeRegistry registry;  // no prerequisite is installed
};

TEST_F(FetchManifestTest, FetchesDeciphersAndReportsTheStepOnce) {
  ApiStandin standin;
  ASSERT_TRUE(StartStandin(standin));
  SetApiHostForTesting(standin.Host());

  std::vector<DownInfo> list;
  ASSERT_TRUE(FetchManifest(list));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].kind, PKG_INSTALLER);
  EXPECT_EQ(list[0].size, 1234u);
  EXPECT_NE(list[0].localPath.find("A_" + Channel() + "_setup.exe"), std::string::npos);
  EXPECT_EQ(list[1].kind, PKG_VCREDIST2005_X86);

  ASSERT_TRUE(standin.WaitForReports(1, 10000));
  const auto reports = standin.Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].step, "7002");
}

TEST_F(FetchManifestTest, RetriesOnceAfterAFailedRequest) {
  ApiStandin standin;
  int pauses = 0;
  // The first request goes nowhere; during the pause the server comes up.
  SetApiHostForTesting(kUnreachableHost);
  SetManifestRetryPauseForTesting([&] {
    ++pauses;
    ASSERT_TRUE(StartStandin(standin));
    SetApiHostForTesting(standin.Host());
  });

  std::vector<DownInfo> list;
  ASSERT_TRUE(FetchManifest(list));
  EXPECT_EQ(pauses, 1);
  EXPECT_EQ(list.size(), 2u);
  ASSERT_TRUE(standin.WaitForReports(1, 10000));
  EXPECT_EQ(standin.Reports().size(), 1u);
}

TEST_F(FetchManifestTest, TwoFailedRequestsReportNothing) {
  int pauses = 0;
  SetApiHostForTesting(kUnreachableHost);
  SetManifestRetryPauseForTesting([&] { ++pauses; });
  std::vector<DownInfo> list;
  EXPECT_FALSE(FetchManifest(list));
  EXPECT_EQ(pauses, 1);
  EXPECT_TRUE(list.empty());
}

TEST_F(FetchManifestTest, AnErrorPageIsAReplyThatCannotBeDeciphered) {
  ApiStandin standin;
  ASSERT_TRUE(StartStandin(
      standin, {"--fault", std::string(kManifestPath) + "=status:500:<html>server error</html>"}));
  SetApiHostForTesting(standin.Host());
  int pauses = 0;
  SetManifestRetryPauseForTesting([&] { ++pauses; });

  std::vector<DownInfo> list;
  EXPECT_FALSE(FetchManifest(list));
  EXPECT_EQ(pauses, 0) << "a completed transfer is not retried";
  EXPECT_TRUE(list.empty());
  ASSERT_TRUE(standin.WaitForReports(1, 10000));
  EXPECT_EQ(standin.Reports()[0].step, "7002");
}

// A build with a public key: the stand-in signs with the matching key, with another one, or
// not at all.
class SignedManifestTest : public FetchManifestTest {
 protected:
  SignedManifestTest() {
    std::string key;
    EXPECT_TRUE(platform::ReadWholeFile(HostPath(kSigningData + "manifest_public_key.txt"), key));
    SetManifestPublicKeyForTesting(key);
    SetManifestRetryPauseForTesting([this] { ++pauses; });
  }
  ~SignedManifestTest() override { SetManifestPublicKeyForTesting("", true); }

  // Fetches from a stand-in signing with `keyFile` (none when empty).
  bool Fetch(ApiStandin& standin, const std::string& keyFile) {
    std::vector<std::string> options;
    if (!keyFile.empty()) {
      options = {"--sign-key", kSigningData + keyFile};
    }
    EXPECT_TRUE(StartStandin(standin, options));
    SetApiHostForTesting(standin.Host());
    return FetchManifest(list);
  }

  const std::string kSigningData = QUILLO_SIGNING_DATA_DIR "/";
  std::vector<DownInfo> list;
  int pauses = 0;
};

TEST_F(SignedManifestTest, ASignedManifestIsTaken) {
  ApiStandin standin;
  ASSERT_TRUE(Fetch(standin, "manifest_signing_key.pem"));
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(pauses, 0);
  ASSERT_TRUE(standin.WaitForReports(1, 10000));
  EXPECT_EQ(standin.Reports()[0].step, "7002");
}

TEST_F(SignedManifestTest, AnUnsignedOrOtherwiseSignedManifestIsLikeNoReply) {
  for (const std::string keyFile : {"", "other_signing_key.pem"}) {
    ApiStandin standin;
    pauses = 0;
    EXPECT_FALSE(Fetch(standin, keyFile)) << keyFile;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(pauses, 1) << "retried once, as after a failed request";
    EXPECT_FALSE(standin.WaitForReports(1, 1000)) << "no 7002 for a rejected manifest";
  }
}

}  // namespace
