// A misbehaviour of the stand-in for one request path, chosen on the command line.
#pragma once

#include <cstdint>
#include <string>

enum class FaultMode {
  kFailFirst,     // the first `count` requests get `status` with a short body, then normal
  kStatus,        // every request gets `status` with `body` and a Content-Length
  kDelay,         // the normal answer, `milliseconds` late
  kCloseMidBody,  // announces the whole length, sends half of the body, closes
  kChunked,       // the normal body without Content-Length, in chunks
  kNeverAnswer,   // reads the request and stays silent for `milliseconds`, then closes
  kSlowBody,      // the whole body with its Content-Length, `count` bytes every `milliseconds`
  kTrailingCrlf,  // the normal body followed by "\r\n", as many web frameworks end a body
};

struct FaultRule {
  std::string path;
  FaultMode mode = FaultMode::kStatus;
  int status = 500;
  std::string body;
  uint32_t count = 0;
  uint32_t milliseconds = 0;
};

// Parses "PATH=MODE[:ARG...]" (see README.md). False with `error` set on bad input.
bool ParseFaultRule(const std::string& text, FaultRule& rule, std::string& error);
