// The download progress rules: whole rising percentages, at least 1, clamped to 99, none
// without an announced length, and abandoning the transfer when the sink says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "install/down_file.h"

namespace {

struct ProgressCase {
  const char* name;
  uint64_t progressMax;
  std::vector<uint64_t> notified;
  std::vector<uint32_t> reported;
};

const ProgressCase kCases[] = {
    {"worked example", 10000, {0, 5000, 10000, 10000}, {50, 99, 99}},
    {"no announced length", 0, {0, 100, 5000, 1u << 30}, {}},
    {"below one point", 10000, {0, 99}, {}},
    {"first report at least 1", 10000, {0, 100, 150, 199, 200}, {1, 2}},
    {"only rising by whole points", 1000, {10, 15, 19, 20, 35}, {1, 2, 3}},
    {"never falls", 1000, {500, 400, 499, 510}, {50, 51}},
    {"past the full length", 1000, {990, 1500, 2000}, {99, 99, 99}},
    {"full length twice", 4096, {4096, 4096}, {99, 99}},
    {"step of many points", 100, {3, 97}, {3, 97}},
    {"beyond 32 bits", 6000000000ull, {3000000000ull, 5999999999ull}, {50, 99}},
};

TEST(DownFileTest, TurnsByteCountsIntoReports) {
  for (const auto& testCase : kCases) {
    auto record = std::make_shared<DownInfo>();
    std::vector<uint32_t> reported;
    DownFile downFile(record, [&](uint32_t percent, const std::shared_ptr<DownInfo>& about) {
      EXPECT_EQ(about, record);
      reported.push_back(percent);
      return true;
    });
    for (const uint64_t progress : testCase.notified) {
      EXPECT_TRUE(downFile.OnProgress(progress, testCase.progressMax));
    }
    EXPECT_EQ(reported, testCase.reported) << testCase.name;
    EXPECT_FALSE(downFile.Abandoned());
  }
}

TEST(DownFileTest, WithoutASinkNothingIsReportedButTheRulesHold) {
  DownFile downFile(std::make_shared<DownInfo>(), nullptr);
  EXPECT_TRUE(downFile.OnProgress(500, 1000));
  EXPECT_EQ(downFile.lastReported, 50u);
}

TEST(DownFileTest, ASinkThatRefusesAbandonsTheTransferAfterItsReport) {
  int reports = 0;
  DownFile downFile(std::make_shared<DownInfo>(), [&](uint32_t, const std::shared_ptr<DownInfo>&) {
    ++reports;
    return false;
  });
  EXPECT_TRUE(downFile.OnProgress(0, 1000)) << "nothing reported, nothing refused";
  EXPECT_FALSE(downFile.OnProgress(100, 1000));
  EXPECT_TRUE(downFile.Abandoned());
  EXPECT_FALSE(downFile.OnProgress(900, 1000));
  EXPECT_EQ(reports, 1) << "no report after abandoning";
}

}  // namespace
