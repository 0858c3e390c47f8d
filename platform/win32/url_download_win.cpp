#include <windows.h>
// Needs windows.h first.
#include <urlmon.h>
#include <wininet.h>

#include "platform/url_download.h"
#include "platform/win32/bind_status_callback.h"
#include "platform/win32/cancellation_watch.h"
#include "platform/win32/scoped_com_apartment.h"

namespace platform {

int32_t DownloadUrlToFile(const std::wstring& url, const std::wstring& path,
                          DownloadObserver& observer) {
  // urlmon needs COM on the calling thread.
  ScopedComApartment apartment;
  // Some urlmon versions keep a copy in the Internet cache whatever the bind flags say, and
  // may hand out an old one: no copy is used before the download or left after it.
  DeleteUrlCacheEntryW(url.c_str());
  HRESULT outcome = E_FAIL;
  {
    BindStatusCallback callback(observer);
    HRESULT result = E_FAIL;
    {
      CancellationWatch watch([&callback] { callback.AbortBinding(); });
      result = URLDownloadToFileW(nullptr, url.c_str(), path.c_str(), 0, &callback);
    }
    outcome = callback.Outcome(result, path);
  }
  // Only now: the callback held the binding, and an entry in use cannot be removed.
  DeleteUrlCacheEntryW(url.c_str());
  return static_cast<int32_t>(outcome);
}

}  // namespace platform
