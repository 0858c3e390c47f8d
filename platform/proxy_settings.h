// The current user's proxy for plain HTTP, as the system's Internet settings configure it
// for the browser and for urlmon, in the form libcurl takes.
#pragma once

#include <string>

namespace platform {

struct HttpProxy {
  bool known = false;  // the system's settings could be read; otherwise leave the client alone
  std::string server;  // "host:port" for http:// addresses; empty: connect directly
  std::string bypass;  // names and addresses that go directly, comma-separated
};

// Windows: WinINet's settings of the current user (ProxyEnable, ProxyServer, ProxyOverride
// under "Internet Settings"). POSIX: not known.
HttpProxy CurrentUserHttpProxy();

// The pure part, also for tests. `proxyServer` is the system's text: "host:port" for every
// protocol, or "http=host:port;https=host:port;..." by protocol (only "http" is taken), with
// an optional "http://" before the host. `proxyBypass` is ';'- or blank-separated;
// "<local>" (names without a dot) has no equivalent in libcurl and is left out. Without
// `enabled` the proxy is direct.
HttpProxy HttpProxyFromSettings(bool enabled, const std::wstring& proxyServer,
                                const std::wstring& proxyBypass);

}  // namespace platform
