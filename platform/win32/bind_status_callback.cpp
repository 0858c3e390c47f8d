#include "platform/win32/bind_status_callback.h"

#include <cstring>

#include "platform/cancellation.h"

namespace platform {

BindStatusCallback::~BindStatusCallback() {
  if (IBinding* binding = binding_.exchange(nullptr)) {
    binding->Release();
  }
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::QueryInterface(REFIID, void** object) {
  if (object != nullptr) {
    *object = nullptr;
  }
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnStartBinding(DWORD, IBinding* binding) {
  if (binding != nullptr) {
    binding->AddRef();
  }
  if (IBinding* previous = binding_.exchange(binding)) {
    previous->Release();
  }
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG,
                                                         LPCWSTR) {
  if (!response_.Known()) {
    ReadHttpResponseFacts(binding_.load(), response_);
  }
  if (CancellationRequested() || response_.IsErrorStatus() ||
      !observer_.OnProgress(progress, progressMax)) {
    return E_ABORT;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE BindStatusCallback::GetBindInfo(DWORD* flags, BINDINFO* info) {
  if (flags == nullptr || info == nullptr || info->cbSize < sizeof(DWORD)) {
    return E_INVALIDARG;
  }
  *flags = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
  const DWORD size = info->cbSize;
  ZeroMemory(info, size);
  info->cbSize = size;
  return S_OK;
}

HRESULT BindStatusCallback::Outcome(HRESULT result, const std::wstring& path) {
  if (result != S_OK) {
    return result;
  }
  if (!response_.Known()) {
    ReadHttpResponseFacts(binding_.load(), response_);
  }
  return response_.IsErrorStatus() || !HasAnnouncedLength(response_, path) ? INET_E_DOWNLOAD_FAILURE
                                                                           : S_OK;
}

void BindStatusCallback::AbortBinding() {
  // The binding is released only after the download call has returned and the watch that
  // calls this has ended, so it cannot go away under this call.
  if (IBinding* binding = binding_.load()) {
    binding->Abort();
  }
}

}  // namespace platform
