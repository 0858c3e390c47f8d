// The bind-status callback that URLDownloadToFileW reports through: it hands the byte
// counts of OnProgress to a DownloadObserver, can abort the binding from another thread,
// and tells a complete download from an error page or a body cut short.
// It lives on the downloading thread's stack for one download; reference counting is
// not used (AddRef and Release answer 1) and every interface query is refused.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <urlmon.h>

#include <atomic>
#include <string>

#include "platform/url_download.h"
#include "platform/win32/http_response_facts.h"

namespace platform {

class BindStatusCallback : public IBindStatusCallback {
 public:
  explicit BindStatusCallback(DownloadObserver& observer) : observer_(observer) {}
  ~BindStatusCallback();
  BindStatusCallback(const BindStatusCallback&) = delete;
  BindStatusCallback& operator=(const BindStatusCallback&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // Keeps the binding, so that a cancellation can abort it while the server is silent.
  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }

  // E_ABORT when the observer abandons the transfer, the thread's work is cancelled, or the
  // server answered with an error status.
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                       LPCWSTR statusText) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return E_NOTIMPL; }
  // Always the server's newest version, and no copy in the user's Internet cache: a cached
  // copy would be a second copy of every package, and could be installed after the server's
  // file had changed.
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

  // Aborts the binding in hand, from any thread. A binding that has not started yet is
  // aborted by the next callback on the downloading thread instead.
  void AbortBinding();

  // The result of the download into `path` that URLDownloadToFileW returned as `result`:
  // S_OK only when the response had no error status and the file has its announced length.
  HRESULT Outcome(HRESULT result, const std::wstring& path);

 private:
  DownloadObserver& observer_;
  HttpResponseFacts response_;  // read on the downloading thread once the headers are in
  std::atomic<IBinding*> binding_{nullptr};
};

}  // namespace platform
