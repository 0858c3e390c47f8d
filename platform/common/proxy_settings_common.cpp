#include <cwctype>

#include "platform/proxy_settings.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

std::wstring ProxyTrimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::wstring ProxyLowercase(std::wstring text) {
  for (auto& c : text) {
    c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  }
  return text;
}

// The entries of a ';'-separated list (blanks separate too), each trimmed, none empty.
template <typename Use>
void ForEachEntry(const std::wstring& list, Use use) {
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = list.find_first_of(L"; ", start);
    const std::wstring entry = ProxyTrimmed(
        list.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (!entry.empty()) {
      use(entry);
    }
    if (end == std::wstring::npos) {
      break;
    }
    start = end + 1;
  }
}

std::wstring ServerForHttp(const std::wstring& proxyServer) {
  if (proxyServer.find(L'=') == std::wstring::npos) {
    return ProxyTrimmed(proxyServer);
  }
  std::wstring server;
  ForEachEntry(proxyServer, [&](const std::wstring& entry) {
    const size_t equals = entry.find(L'=');
    if (server.empty() && equals != std::wstring::npos &&
        ProxyLowercase(ProxyTrimmed(entry.substr(0, equals))) == L"http") {
      server = ProxyTrimmed(entry.substr(equals + 1));
    }
  });
  return server;
}

// Only plain characters reach libcurl's options; anything else makes the setting unusable.
bool IsPlainText(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c <= L' ' || c > L'~') {
      return false;
    }
  }
  return true;
}

}  // namespace

HttpProxy HttpProxyFromSettings(bool enabled, const std::wstring& proxyServer,
                                const std::wstring& proxyBypass) {
  HttpProxy proxy;
  proxy.known = true;
  if (!enabled) {
    return proxy;
  }
  std::wstring server = ServerForHttp(proxyServer);
  if (ProxyLowercase(server.substr(0, 7)) == L"http://") {
    server = server.substr(7);
  }
  if (!IsPlainText(server)) {
    return proxy;
  }
  proxy.server = WideToUtf8(server);
  ForEachEntry(proxyBypass, [&](const std::wstring& entry) {
    if (ProxyLowercase(entry) == L"<local>" || !IsPlainText(entry) ||
        entry.find(L',') != std::wstring::npos) {
      return;
    }
    proxy.bypass += (proxy.bypass.empty() ? "" : ",") + WideToUtf8(entry);
  });
  return proxy;
}

}  // namespace platform
