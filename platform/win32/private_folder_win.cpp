#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include "platform/private_folder.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

// The current user's SID as text ("S-1-5-21-..."); empty when it cannot be read.
std::wstring CurrentUserSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
    return {};
  }
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::wstring text;
  if (size > 0) {
    auto* buffer = static_cast<TOKEN_USER*>(LocalAlloc(LPTR, size));
    wchar_t* sid = nullptr;
    if (buffer != nullptr && GetTokenInformation(token, TokenUser, buffer, size, &size) &&
        ConvertSidToStringSidW(buffer->User.Sid, &sid)) {
      text = sid;
      LocalFree(sid);
    }
    LocalFree(buffer);
  }
  CloseHandle(token);
  return text;
}

bool IsLink(DWORD attributes) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

void RemoveTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return;
  }
  if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    DeleteFileW(path.c_str());
    return;
  }
  if (!IsLink(attributes)) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") {
          RemoveTree(path + L"\\" + name);
        }
      } while (FindNextFileW(search, &entry));
      FindClose(search);
    }
  }
  RemoveDirectoryW(path.c_str());  // a junction goes as a link, its target untouched
}

}  // namespace

bool CreatePrivateFolder(const std::string& path) {
  const std::wstring user = CurrentUserSid();
  if (user.empty()) {
    return false;
  }
  // Full control for SYSTEM, the Administrators and this user, inherited by everything
  // created inside; "P" keeps the temporary folder's own entries out.
  const std::wstring sddl = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + user + L")";
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return false;
  }
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
  const BOOL created = CreateDirectoryW(NarrowToWide(path).c_str(), &attributes);
  LocalFree(descriptor);
  return created != FALSE;
}

bool RemoveFolderTree(const std::string& path) {
  const std::wstring wide = NarrowToWide(path);
  RemoveTree(wide);
  return GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::string FolderAccessForTesting(const std::string& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(NarrowToWide(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return {};
  }
  wchar_t* text = nullptr;
  std::string sddl;
  if (ConvertSecurityDescriptorToStringSecurityDescriptorW(
          descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
    sddl = WideToNarrow(text);
    LocalFree(text);
  }
  LocalFree(descriptor);
  return sddl;
}

std::vector<std::string> SubfolderNames(const std::string& parent) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((NarrowToWide(parent) + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    const std::wstring name = entry.cFileName;
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != L"." && name != L"..") {
      names.push_back(WideToNarrow(name));
    }
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return names;
}

}  // namespace platform
