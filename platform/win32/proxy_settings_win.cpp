#include <windows.h>
// Needs windows.h first.
#include <wininet.h>

#include <string>

#include "platform/proxy_settings.h"

namespace platform {
namespace {

std::wstring TakeText(LPWSTR text) {
  if (text == nullptr) {
    return {};
  }
  std::wstring copy(text);
  GlobalFree(text);
  return copy;
}

}  // namespace

// The settings WinINet (and so urlmon, the downloader) uses for the current user's default
// connection.
HttpProxy CurrentUserHttpProxy() {
  INTERNET_PER_CONN_OPTIONW options[3] = {};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[2].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  INTERNET_PER_CONN_OPTION_LISTW list = {};
  list.dwSize = sizeof list;
  list.pszConnection = nullptr;  // the default connection
  list.dwOptionCount = 3;
  list.pOptions = options;
  DWORD size = sizeof list;
  if (!InternetQueryOptionW(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size)) {
    return {};
  }
  const bool enabled = (options[0].Value.dwValue & PROXY_TYPE_PROXY) != 0;
  const std::wstring server = TakeText(options[1].Value.pszValue);
  const std::wstring bypass = TakeText(options[2].Value.pszValue);
  return HttpProxyFromSettings(enabled, server, bypass);
}

}  // namespace platform
