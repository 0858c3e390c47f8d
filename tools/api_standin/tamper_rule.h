// Serving other bytes than a package's own for its first requests, as an attacker or a
// broken mirror would: the same length, every byte changed.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

struct TamperRule {
  std::string path;
  uint32_t count = 0;  // how many requests of `path` get the altered bytes
};

// Parses "PATH=N". False with `error` set on bad input.
bool ParseTamperRule(const std::string& text, TamperRule& rule, std::string& error);

// How many requests a tamper rule has altered so far; shared by the server's threads.
class TamperCounter {
 public:
  // True when this request is still among the first `limit`.
  bool TakeTampered(uint32_t limit);

 private:
  std::mutex lock_;
  uint32_t tampered_ = 0;
};

// `bytes` with every byte inverted.
std::string TamperedBytes(std::string bytes);
