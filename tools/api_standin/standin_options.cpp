#include "tools/api_standin/standin_options.h"

#include <functional>
#include <map>

#include "tools/api_standin/decimal_text.h"

namespace {

constexpr uint32_t kLongestAnswerDelayMs = 120000;

using Setter =
    std::function<bool(const std::string& value, StandinOptions& options, std::string& error)>;

Setter Text(std::string StandinOptions::*field) {
  return [field](const std::string& value, StandinOptions& options, std::string&) {
    options.*field = value;
    return true;
  };
}

Setter Count(uint32_t StandinOptions::*field, uint32_t maximum) {
  return [field, maximum](const std::string& value, StandinOptions& options, std::string&) {
    return ParseDecimal(value, maximum, options.*field);
  };
}

const std::map<std::string, Setter>& Setters() {
  static const std::map<std::string, Setter> setters = {
      {"--port",
       [](const std::string& value, StandinOptions& options, std::string&) {
         uint32_t port = 0;
         if (!ParseDecimal(value, 65535, port)) {
           return false;
         }
         options.port = static_cast<int>(port);
         return true;
       }},
      {"--port-file", Text(&StandinOptions::portFile)},
      {"--key", Text(&StandinOptions::key)},
      {"--manifest", Text(&StandinOptions::manifestFile)},
      {"--packages", Text(&StandinOptions::packagesDir)},
      {"--report-log", Text(&StandinOptions::reportLog)},
      {"--answer", Text(&StandinOptions::answer)},
      {"--answer-delay-ms", Count(&StandinOptions::answerDelayMs, kLongestAnswerDelayMs)},
      {"--idle-exit", Count(&StandinOptions::idleExitSeconds, 86400)},
      {"--lifetime", Count(&StandinOptions::lifetimeSeconds, 86400)},
      {"--scratch-dir", Text(&StandinOptions::scratchDir)},
      {"--sign-key", Text(&StandinOptions::signKeyFile)},
      {"--tamper",
       [](const std::string& value, StandinOptions& options, std::string& error) {
         TamperRule rule;
         if (!ParseTamperRule(value, rule, error)) {
           return false;
         }
         options.tampers.push_back(rule);
         return true;
       }},
      {"--fault",
       [](const std::string& value, StandinOptions& options, std::string& error) {
         FaultRule rule;
         if (!ParseFaultRule(value, rule, error)) {
           return false;
         }
         options.faults.push_back(rule);
         return true;
       }},
  };
  return setters;
}

}  // namespace

bool ParseStandinOptions(const std::vector<std::string>& arguments, StandinOptions& options,
                         std::string& error) {
  for (size_t i = 0; i < arguments.size(); i += 2) {
    const auto setter = Setters().find(arguments[i]);
    if (setter == Setters().end()) {
      error = "unknown option: " + arguments[i];
      return false;
    }
    if (i + 1 >= arguments.size()) {
      error = arguments[i] + " needs a value";
      return false;
    }
    if (!setter->second(arguments[i + 1], options, error)) {
      if (error.empty()) {
        error = "bad value for " + arguments[i] + ": " + arguments[i + 1];
      }
      return false;
    }
  }
  return true;
}
