// Serving other bytes than a package's own for its first requests, as an attacker or a
// broken mirror would: the same length, every byte changed.
#pragma once

#include <cstdint>
#include <string>

struct TamperRule {
  std::string path;
  uint32_t count = 0;  // how many requests of `path` get the altered bytes
};

// Parses "PATH=N". False with `error` set on bad input.
bool ParseTamperRule(const std::string& text, TamperRule& rule, std::string& error);

// `bytes` with every byte inverted.
std::string TamperedBytes(std::string bytes);
