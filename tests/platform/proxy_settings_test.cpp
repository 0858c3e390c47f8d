// The system's proxy settings in the form libcurl takes.
#include <gtest/gtest.h>

#include "platform/proxy_settings.h"

namespace {

TEST(ProxySettingsTest, TakesTheHttpProxyAndTheNamesThatBypassIt) {
  const struct {
    bool enabled;
    const wchar_t* server;
    const wchar_t* bypass;
    const char* expectedServer;
    const char* expectedBypass;
  } cases[] = {
      {true, L"127.0.0.1:3128", L"", "127.0.0.1:3128", ""},
      {true, L" proxy.lan:8080 ", L"<local>", "proxy.lan:8080", ""},
      {true, L"http://proxy.lan:8080", L"", "proxy.lan:8080", ""},
      {true, L"https=s.lan:443;http=h.lan:80;ftp=f.lan:21", L"", "h.lan:80", ""},
      {true, L"HTTP=h.lan:80", L"", "h.lan:80", ""},
      {true, L"https=s.lan:443", L"", "", ""},  // nothing for plain HTTP: direct
      {true, L"p:1", L"*.corp;<local>; 10.0.0.1 localhost", "p:1", "*.corp,10.0.0.1,localhost"},
      {true, L"", L"", "", ""},
      {true, L"p\u00e9:1", L"", "", ""},  // not plain text: direct rather than garbled
      {false, L"127.0.0.1:3128", L"x", "", ""},
  };
  for (const auto& c : cases) {
    const platform::HttpProxy proxy =
        platform::HttpProxyFromSettings(c.enabled, c.server, c.bypass);
    EXPECT_TRUE(proxy.known);
    EXPECT_EQ(proxy.server, c.expectedServer)
        << c.enabled << " " << testing::PrintToString(std::wstring(c.server));
    EXPECT_EQ(proxy.bypass, c.expectedBypass) << testing::PrintToString(std::wstring(c.bypass));
  }
}

}  // namespace
