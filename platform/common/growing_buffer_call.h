// The Windows pattern of a query that reports the buffer size it needs: call, and while the
// answer is "buffer too small" call again with the reported size, up to a limit of calls.
#pragma once

#include <cstdint>
#include <new>
#include <vector>

namespace platform {

// `call(buffer, size)` fills `buffer` (of `size` bytes) or updates `size` and returns
// `tooSmall`. Returns the last call's result, `tooSmall` when every call said so, or
// `allocationFailed` when a buffer could not be allocated.
template <typename Call>
uint32_t CallWithGrowingBuffer(std::vector<unsigned char>& buffer, uint32_t initialSize,
                               int maxCalls, uint32_t tooSmall, uint32_t allocationFailed,
                               Call call) {
  uint32_t size = initialSize;
  uint32_t result = tooSmall;
  for (int calls = 0; calls < maxCalls && result == tooSmall; ++calls) {
    try {
      buffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
      buffer.clear();
      return allocationFailed;
    }
    result = call(buffer.data(), size);
  }
  return result;
}

}  // namespace platform
