// The user agreement carried in the program file: resource "TXT" 3010, code page 936 text.
#pragma once

#include <string>

inline constexpr int kAgreementResourceId = 3010;

// The agreement as wide text, up to its first zero byte; empty when the resource cannot be
// read.
std::wstring LoadAgreementText();
