// The stand-in's command line: fault rules and options parse as documented, and bad input
// gives a clear error instead of a stand-in that misbehaves in a way nobody asked for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/api_standin/fault_rule.h"
#include "tools/api_standin/first_requests_counter.h"
#include "tools/api_standin/standin_options.h"

namespace {

TEST(FaultRuleTest, ParsesEveryMode) {
  const struct {
    const char* text;
    FaultMode mode;
    int status;
    const char* body;
    uint32_t count;
    uint32_t milliseconds;
  } cases[] = {
      {"/a.exe=fail-first:3", FaultMode::kFailFirst, 500, "", 3, 0},
      {"/a.exe=fail-first:2:503", FaultMode::kFailFirst, 503, "", 2, 0},
      {"/b=status:404", FaultMode::kStatus, 404, "", 0, 0},
      {"/b=status:500:oops: a:b", FaultMode::kStatus, 500, "oops: a:b", 0, 0},
      {"/c=delay:250", FaultMode::kDelay, 500, "", 0, 250},
      {"/d=close-mid-body", FaultMode::kCloseMidBody, 500, "", 0, 0},
      {"/e=chunked", FaultMode::kChunked, 500, "", 0, 0},
      {"/api-pdf/get-zhq-package=trailing-crlf", FaultMode::kTrailingCrlf, 500, "", 0, 0},
      {"/f=never-answer", FaultMode::kNeverAnswer, 500, "", 0, 30000},
      {"/f=never-answer:12000", FaultMode::kNeverAnswer, 500, "", 0, 12000},
  };
  for (const auto& c : cases) {
    FaultRule rule;
    std::string error;
    ASSERT_TRUE(ParseFaultRule(c.text, rule, error)) << c.text << ": " << error;
    EXPECT_EQ(rule.mode, c.mode) << c.text;
    EXPECT_EQ(rule.status, c.status) << c.text;
    EXPECT_EQ(rule.body, c.body) << c.text;
    EXPECT_EQ(rule.count, c.count) << c.text;
    EXPECT_EQ(rule.milliseconds, c.milliseconds) << c.text;
  }
}

TEST(FaultRuleTest, RejectsMalformedRules) {
  for (const char* text :
       {"", "a.exe=chunked", "/a.exe", "=chunked", "/a=explode", "/a=fail-first", "/a=fail-first:x",
        "/a=fail-first:1:2:3", "/a=status:99", "/a=status:600", "/a=delay", "/a=delay:-5",
        "/a=delay:999999999", "/a=never-answer:200000", "/a=chunked:5"}) {
    FaultRule rule;
    std::string error;
    EXPECT_FALSE(ParseFaultRule(text, rule, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

TEST(StandinOptionsTest, ParsesOptionsAndRejectsBadOnes) {
  StandinOptions options;
  std::string error;
  ASSERT_TRUE(ParseStandinOptions({"--port", "38471", "--answer", "", "--answer-delay-ms", "50",
                                   "--fault", "/x=chunked", "--fault", "/y=delay:5"},
                                  options, error))
      << error;
  EXPECT_EQ(options.port, 38471);
  EXPECT_EQ(options.answer, "");
  EXPECT_EQ(options.answerDelayMs, 50u);
  EXPECT_EQ(options.faults.size(), 2u);

  const std::vector<std::vector<std::string>> bad = {
      {"--port"},          {"--port", "65536"},     {"--port", "-1"},
      {"--colour", "red"}, {"--idle-exit", "soon"}, {"--fault", "/x=nonsense"}};
  for (const auto& arguments : bad) {
    StandinOptions ignored;
    error.clear();
    EXPECT_FALSE(ParseStandinOptions(arguments, ignored, error)) << arguments[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(StandinOptionsTest, SigningKeyAndTamperRules) {
  StandinOptions options;
  std::string error;
  ASSERT_TRUE(ParseStandinOptions(
      {"--sign-key", "/keys/release.pem", "--tamper", "/p/a.exe=2", "--tamper", "/b.msi=0"},
      options, error))
      << error;
  EXPECT_EQ(options.signKeyFile, "/keys/release.pem");
  ASSERT_EQ(options.tampers.size(), 2u);
  EXPECT_EQ(options.tampers[0].path, "/p/a.exe");
  EXPECT_EQ(options.tampers[0].count, 2u);
  EXPECT_EQ(options.tampers[1].count, 0u);
  for (const char* bad : {"/a.exe", "a.exe=1", "/a.exe=", "/a.exe=x", "=1"}) {
    StandinOptions ignored;
    EXPECT_FALSE(ParseStandinOptions({"--tamper", bad}, ignored, error)) << bad;
  }

  FirstRequestsCounter counter;
  EXPECT_TRUE(counter.Take(2));
  EXPECT_TRUE(counter.Take(2));
  EXPECT_FALSE(counter.Take(2));
  EXPECT_EQ(TamperedBytes(std::string("\x00\xff", 2)), std::string("\xff\x00", 2));
}

}  // namespace
