// A libcurl GET written straight to the file. Error statuses fail the transfer, redirects
// are followed, and nothing is cached.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/posix/curl_transfer.h"
#include "platform/text_encoding.h"
#include "platform/url_download.h"

namespace platform {
namespace {

constexpr long kBufferBytes = 512 * 1024;
constexpr long kMaxRedirects = 10;
constexpr long kConnectTimeoutSeconds = 30;

// Created with the first bytes of the body, as urlmon writes the file only when data came,
// or empty after a complete transfer without a body.
class OutputFile {
 public:
  explicit OutputFile(const std::wstring& path) : path_(NativePath(path)) {}
  ~OutputFile() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool Open() {
    if (fd_ < 0) {
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    }
    return fd_ >= 0;
  }

  bool Write(const char* data, size_t size) {
    if (!Open()) {
      return false;
    }
    while (size > 0) {
      const ssize_t written = write(fd_, data, size);
      if (written < 0 && errno == EINTR) {
        continue;
      }
      if (written <= 0) {
        return false;
      }
      data += written;
      size -= static_cast<size_t>(written);
    }
    return true;
  }

  // Flushes the file to its end; false when the file system refused the data.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || close(fd) == 0;
  }

 private:
  std::string path_;
  int fd_ = -1;
};

size_t WriteBody(char* data, size_t size, size_t count, void* file) {
  const size_t bytes = size * count;
  return static_cast<OutputFile*>(file)->Write(data, bytes) ? bytes : 0;
}

int ReportProgress(void* observer, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
  const auto progressMax = static_cast<uint64_t>(total > 0 ? total : 0);
  const auto progress = static_cast<uint64_t>(now > 0 ? now : 0);
  return static_cast<DownloadObserver*>(observer)->OnProgress(progress, progressMax) ? 0 : 1;
}

}  // namespace

int32_t DownloadUrlToFile(const std::wstring& url, const std::wstring& path,
                          DownloadObserver& observer) {
  CurlEasy easy = NewCurlEasy();
  if (!easy) {
    return CURLE_FAILED_INIT;
  }
  OutputFile file(path);
  const std::string address = WideToUtf8(url);
  CURL* handle = easy.get();
  curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(handle, CURLOPT_BUFFERSIZE, kBufferBytes);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &file);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, ReportProgress);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &observer);
  const CURLcode result = PerformUnlessCancelled(handle);
  if (result == CURLE_OK && (!file.Open() || !file.Close())) {
    return CURLE_WRITE_ERROR;
  }
  return result;
}

}  // namespace platform
