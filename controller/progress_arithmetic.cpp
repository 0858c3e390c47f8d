#include "controller/progress_arithmetic.h"

#include <cmath>

uint32_t DoneAfterReport(uint32_t size, uint32_t done, int32_t value) {
  if (value == 100) {
    return size;
  }
  const double x = static_cast<double>(static_cast<float>(size)) / 100.0 *
                   static_cast<double>(static_cast<float>(static_cast<uint32_t>(value)));
  // Tested before converting: a value far beyond `size` (-1 read as unsigned) must not be
  // turned into an integer at all.
  if (!(x <= static_cast<double>(size))) {
    return done;
  }
  const auto candidate = static_cast<uint32_t>(x);
  return candidate > done ? candidate : done;
}

uint32_t HalfShare(uint32_t done, uint32_t total) {
  if (total == 0) {
    return 0;
  }
  const float share = static_cast<float>(done) / static_cast<float>(total) * 50.0f;
  return share >= 100.0f ? 100u : static_cast<uint32_t>(share);
}
