// Downloading a resource to a file, blocking the calling thread.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Told of a transfer's progress, on the downloading thread.
class DownloadObserver {
 public:
  // `progress` bytes of `progressMax` have arrived; `progressMax` is 0 while no length is
  // announced. Called often, also without new bytes. False abandons the transfer.
  virtual bool OnProgress(uint64_t progress, uint64_t progressMax) = 0;

 protected:
  ~DownloadObserver() = default;
};

// The result of a download that fetched the whole resource (S_OK).
inline constexpr int32_t kDownloadOk = 0;

// Fetches `url` into the file `path`, blocking until the transfer ends. Returns kDownloadOk
// only when the whole resource arrived; any other value is a failure (an HRESULT on
// Windows, a libcurl result code on POSIX): an error status, a transfer cut short of its
// announced length, one that the observer abandoned, and one given up because the calling
// thread's work was cancelled (platform/cancellation.h), which ends it promptly even while
// the server sends nothing. Whatever was written to the file stays there.
int32_t DownloadUrlToFile(const std::wstring& url, const std::wstring& path,
                          DownloadObserver& observer);

}  // namespace platform
