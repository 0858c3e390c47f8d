#include "tools/api_standin/first_requests_counter.h"

bool FirstRequestsCounter::Take(uint32_t limit) {
  std::lock_guard<std::mutex> hold(lock_);
  if (taken_ >= limit) {
    return false;
  }
  ++taken_;
  return true;
}
