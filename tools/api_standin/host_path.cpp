#include "tools/api_standin/host_path.h"

#include <algorithm>

#include "platform/text_encoding.h"

std::wstring HostPath(const std::string& linuxPath) {
  std::wstring path = platform::Utf8ToWide(linuxPath);
#ifdef _WIN32
  std::replace(path.begin(), path.end(), L'/', L'\\');
  path = L"Z:" + path;
#endif
  return path;
}
