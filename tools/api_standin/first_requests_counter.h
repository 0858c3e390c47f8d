// Counts the requests a rule has already spoilt, for rules that spoil only the first few
// requests of a path; shared by the server's threads.
#pragma once

#include <cstdint>
#include <mutex>

class FirstRequestsCounter {
 public:
  // True when this request is still among the first `limit`.
  bool Take(uint32_t limit);

 private:
  std::mutex lock_;
  uint32_t taken_ = 0;
};
