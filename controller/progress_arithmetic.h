// The arithmetic of the overall percentage. Downloads fill the first 50 points and installs
// the other 50, each weighted by package size. The single-precision steps of DoneAfterReport
// are deliberate: they decide where a package's progress is truncated.
#pragma once

#include <cstdint>

// `done` after a report of `value` (0 to 100, or -1) about a package of `size` bytes: all of
// it at 100; otherwise size / 100 * value when that is more than `done` and not more than
// `size`, else `done` unchanged. Never goes down; -1 changes nothing.
uint32_t DoneAfterReport(uint32_t size, uint32_t done, int32_t value);

// The truncation of done / total * 50 over 64-bit sums of sizes; 0 when `total` is 0. 50 only
// when done == total, at most 50 for done <= total, and never more than 100.
uint32_t HalfShare(uint64_t done, uint64_t total);
