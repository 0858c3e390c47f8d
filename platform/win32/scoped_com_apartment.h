// COM for the calling thread for the length of one call (urlmon, the folder picker); a
// thread that already has COM keeps its own.
#pragma once

#include <windows.h>

#include <objbase.h>

namespace platform {

class ScopedComApartment {
 public:
  ScopedComApartment()
      : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ScopedComApartment() {
    if (initialised_) {
      CoUninitialize();
    }
  }
  ScopedComApartment(const ScopedComApartment&) = delete;
  ScopedComApartment& operator=(const ScopedComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace platform
