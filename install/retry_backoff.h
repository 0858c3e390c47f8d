// How long to wait before trying again after failures in a row: 0.5 s after the first,
// doubling with each further failure, never more than 30 s. A server that is down is asked
// a few times a minute rather than twice a second, and one that comes back is found soon.
#pragma once

#include <cstdint>
#include <functional>

inline constexpr uint32_t kFirstRetryDelayMs = 500;
inline constexpr uint32_t kLongestRetryDelayMs = 30000;

// 0 after no failure; otherwise first * 2^(failures - 1), capped at `longest`.
uint32_t RetryDelayMs(uint32_t failuresInARow, uint32_t firstMs = kFirstRetryDelayMs,
                      uint32_t longestMs = kLongestRetryDelayMs);

// Waits `milliseconds`, looking every few milliseconds at `stopRequested`. False when the
// wait was cut short by the flag or by cancellation (platform/cancellation.h).
bool WaitBeforeRetry(uint32_t milliseconds, const std::function<bool()>& stopRequested);
