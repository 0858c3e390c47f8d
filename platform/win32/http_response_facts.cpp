#include "platform/win32/http_response_facts.h"

#include <wininet.h>

namespace platform {
namespace {

bool QueryNumber(IWinInetHttpInfo* info, DWORD query, DWORD& value) {
  DWORD size = sizeof value;
  return info->QueryInfo(query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr, nullptr) == S_OK;
}

bool HasHeader(IWinInetHttpInfo* info, DWORD query) {
  char text[64] = {};
  DWORD size = sizeof text;
  return info->QueryInfo(query, text, &size, nullptr, nullptr) == S_OK && size > 0;
}

}  // namespace

bool ReadHttpResponseFacts(IBinding* binding, HttpResponseFacts& facts) {
  IWinInetHttpInfo* info = nullptr;
  if (binding == nullptr ||
      FAILED(binding->QueryInterface(IID_IWinInetHttpInfo, reinterpret_cast<void**>(&info))) ||
      info == nullptr) {
    return false;
  }
  HttpResponseFacts read;
  const bool known = QueryNumber(info, HTTP_QUERY_STATUS_CODE, read.status) && read.status != 0;
  if (known) {
    read.lengthAnnounced = QueryNumber(info, HTTP_QUERY_CONTENT_LENGTH, read.length);
    read.encoded = HasHeader(info, HTTP_QUERY_CONTENT_ENCODING);
    facts = read;
  }
  info->Release();
  return known;
}

bool HasAnnouncedLength(const HttpResponseFacts& facts, const std::wstring& path) {
  if (!facts.lengthAnnounced || facts.encoded) {
    return true;
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
    return facts.length == 0;
  }
  return attributes.nFileSizeHigh == 0 && attributes.nFileSizeLow == facts.length;
}

}  // namespace platform
