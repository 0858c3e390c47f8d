// A function that a test may put in place of a system call. Any thread may ask for it while
// a test sets it.
#pragma once

#include <mutex>
#include <utility>

namespace platform {

template <typename Function>
class TestingOverride {
 public:
  void Set(Function function) {
    std::lock_guard<std::mutex> hold(lock_);
    function_ = std::move(function);
  }

  // A copy of the override, empty when none is set. The copy is called outside the lock, so
  // an override may itself set overrides.
  Function Get() const {
    std::lock_guard<std::mutex> hold(lock_);
    return function_;
  }

 private:
  mutable std::mutex lock_;
  Function function_;
};

}  // namespace platform
