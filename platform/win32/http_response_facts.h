// What an HTTP binding of urlmon learned from the response headers. urlmon can finish a
// download "successfully" with an error page or with a body cut short, so the adapter looks
// at the status and the announced length itself.
#pragma once

#include <windows.h>
// Needs windows.h first.
#include <urlmon.h>

#include <string>

namespace platform {

struct HttpResponseFacts {
  DWORD status = 0;  // 0 until the headers have arrived
  bool lengthAnnounced = false;
  DWORD length = 0;      // the Content-Length, when announced
  bool encoded = false;  // a Content-Encoding, under which the file's size differs

  bool Known() const { return status != 0; }
  bool IsErrorStatus() const { return status >= 400; }
};

// Reads the facts through the binding's IWinInetHttpInfo. False, leaving `facts` as it
// was, while the headers have not arrived or when the binding is not an HTTP one.
bool ReadHttpResponseFacts(IBinding* binding, HttpResponseFacts& facts);

// True when the file at `path` is as long as the response announced, or when that cannot
// be told (no length announced, an encoded body, not an HTTP transfer).
bool HasAnnouncedLength(const HttpResponseFacts& facts, const std::wstring& path);

}  // namespace platform
