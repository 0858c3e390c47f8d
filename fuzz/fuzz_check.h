// What a fuzz target does when a promise is broken: say which and abort, so libFuzzer keeps
// the input as a reproducer.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& broken) {
  std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
  std::abort();
}

inline void Check(bool holds, const std::string& promise) {
  if (!holds) {
    Fail(promise);
  }
}

}  // namespace fuzz
