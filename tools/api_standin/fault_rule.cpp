#include "tools/api_standin/fault_rule.h"

#include <vector>

#include "tools/api_standin/decimal_text.h"

namespace {

// Waits are bounded so that a stand-in always ends by itself.
constexpr uint32_t kLongestWaitMs = 120000;
constexpr uint32_t kDefaultSilenceMs = 30000;

std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t colon = text.find(':'); colon != std::string::npos; colon = text.find(':', start)) {
    parts.push_back(text.substr(start, colon - start));
    start = colon + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool ParseStatus(const std::string& text, int& status) {
  uint32_t value = 0;
  if (!ParseDecimal(text, 599, value) || value < 100) {
    return false;
  }
  status = static_cast<int>(value);
  return true;
}

// The body of a status rule is everything after the code, colons included.
bool ParseStatusArguments(const std::string& arguments, FaultRule& rule) {
  const size_t colon = arguments.find(':');
  rule.body = colon == std::string::npos ? std::string() : arguments.substr(colon + 1);
  return ParseStatus(arguments.substr(0, colon), rule.status);
}

bool ParseModeArguments(const std::string& mode, const std::string& arguments, FaultRule& rule) {
  const std::vector<std::string> args = SplitArguments(arguments);
  if (mode == "fail-first") {
    rule.mode = FaultMode::kFailFirst;
    return ParseDecimal(args[0], 1000000, rule.count) &&
           (args.size() < 2 || ParseStatus(args[1], rule.status)) && args.size() <= 2;
  }
  if (mode == "status") {
    rule.mode = FaultMode::kStatus;
    return ParseStatusArguments(arguments, rule);
  }
  if (mode == "delay") {
    rule.mode = FaultMode::kDelay;
    return args.size() == 1 && ParseDecimal(args[0], kLongestWaitMs, rule.milliseconds);
  }
  if (mode == "never-answer") {
    rule.mode = FaultMode::kNeverAnswer;
    rule.milliseconds = kDefaultSilenceMs;
    return arguments.empty() ||
           (args.size() == 1 && ParseDecimal(args[0], kLongestWaitMs, rule.milliseconds));
  }
  if (mode == "slow-body") {
    rule.mode = FaultMode::kSlowBody;
    return args.size() == 2 && ParseDecimal(args[0], 1000000000, rule.count) && rule.count > 0 &&
           ParseDecimal(args[1], kLongestWaitMs, rule.milliseconds);
  }
  if (mode == "trailing-crlf") {
    rule.mode = FaultMode::kTrailingCrlf;
    return arguments.empty();
  }
  if (mode == "close-mid-body" || mode == "chunked") {
    rule.mode = mode == "chunked" ? FaultMode::kChunked : FaultMode::kCloseMidBody;
    return arguments.empty();
  }
  return false;
}

}  // namespace

bool ParseFaultRule(const std::string& text, FaultRule& rule, std::string& error) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0 || text[0] != '/') {
    error = "a fault rule reads PATH=MODE[:ARGUMENTS] with PATH starting with '/': " + text;
    return false;
  }
  rule = FaultRule{};
  rule.path = text.substr(0, equals);
  const std::string modeAndArguments = text.substr(equals + 1);
  const size_t colon = modeAndArguments.find(':');
  const std::string mode = modeAndArguments.substr(0, colon);
  const std::string arguments =
      colon == std::string::npos ? std::string() : modeAndArguments.substr(colon + 1);
  if (!ParseModeArguments(mode, arguments, rule)) {
    error = "unknown fault mode or bad arguments: " + text;
    return false;
  }
  return true;
}
