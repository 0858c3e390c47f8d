// The stand-in's command line; README.md documents every option.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/api_standin/fault_rule.h"
#include "tools/api_standin/tamper_rule.h"

struct StandinOptions {
  int port = 0;  // 0: an ephemeral port, printed on start-up
  std::string portFile;
  std::string key;  // the payload key; the build's own unless given
  std::string manifestFile;
  std::string packagesDir;
  std::string reportLog;
  std::string answer = "1";
  uint32_t answerDelayMs = 0;
  uint32_t idleExitSeconds = 0;  // 0: no idle limit
  uint32_t lifetimeSeconds = 0;  // 0: no lifetime limit
  std::string scratchDir;        // removed with its contents when the stand-in stops
  std::vector<FaultRule> faults;
  // Signing the manifest and tampering with packages, apart from the fault rules.
  std::string signKeyFile;  // a PEM private key; empty: manifests go out unsigned
  std::vector<TamperRule> tampers;
};

// False with `error` set when an option is unknown, lacks its value or has a bad value.
bool ParseStandinOptions(const std::vector<std::string>& arguments, StandinOptions& options,
                         std::string& error);
