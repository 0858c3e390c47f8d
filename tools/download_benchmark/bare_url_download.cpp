// bare_url_download URL FILE: one URLDownloadToFileW call without a progress callback, in a
// single-threaded COM apartment as urlmon expects, timed: the least that any urlmon
// downloader can cost under the same Wine. run_download_benchmark.sh sets the setup's
// downloader beside it.
#include <urlmon.h>
#include <windows.h>

#include <chrono>
#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bare_url_download URL FILE\n");
    return 2;
  }
  const bool apartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  const auto start = std::chrono::steady_clock::now();
  const HRESULT result = URLDownloadToFileW(nullptr, argv[1], argv[2], 0, nullptr);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (apartment) {
    CoUninitialize();
  }
  std::printf("bare_seconds=%.3f\n", seconds);
  return SUCCEEDED(result) ? 0 : 1;
}
