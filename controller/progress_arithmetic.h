// The arithmetic of the overall percentage. Downloads fill the first 50 points and installs
// the other 50, each weighted by package size. The single-precision steps are deliberate:
// they decide where a percentage is truncated, so they must not be "improved".
#pragma once

#include <cstdint>

// `done` after a report of `value` (0 to 100, or -1) about a package of `size` bytes: all of
// it at 100; otherwise size / 100 * value when that is more than `done` and not more than
// `size`, else `done` unchanged. Never goes down; -1 changes nothing.
uint32_t DoneAfterReport(uint32_t size, uint32_t done, int32_t value);

// The truncation of done / total * 50 in single precision; 0 when `total` is 0. At most 50
// for done <= total, and never more than 100.
uint32_t HalfShare(uint32_t done, uint32_t total);
