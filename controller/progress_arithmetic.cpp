#include "controller/progress_arithmetic.h"

#include <algorithm>
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

uint32_t HalfShare(uint64_t done, uint64_t total) {
  if (total == 0) {
    return 0;
  }
  // Whole numbers, so that the share reaches 50 only when everything is done: a rounded
  // quotient of two large sums could reach it a few bytes early. Sums of more than 2^57
  // bytes are halved together first, so that done * 50 cannot overflow; the halving may
  // round, so what was short of the total stays short of 50.
  const bool complete = done >= total;
  while (total > (uint64_t{1} << 57)) {
    done >>= 1;
    total >>= 1;
  }
  const uint64_t share = done >= 2 * total ? 100 : done * 50 / total;
  return static_cast<uint32_t>(complete ? share : std::min<uint64_t>(share, 49));
}
