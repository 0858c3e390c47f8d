// Files, the temporary folder and the running program's own path.
//
// Narrow paths are code page 936 (GBK) text, as package data travels; wide paths are
// UTF-16/32. Portable code writes paths with backslashes; the POSIX layer reads every
// backslash as a slash, so the same path texts work on both platforms.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

bool PathExists(const std::string& path);
bool PathExists(const std::wstring& path);

// Deletes a file; false when it could not be deleted (including when it does not exist).
bool RemoveFile(const std::string& path);

// Creates or truncates `path` (no sharing while open) and writes `size` bytes in one write.
// True only when every byte was written.
bool WriteWholeFile(const std::wstring& path, const void* data, size_t size);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Creates a folder and any missing parents; true when the folder exists afterwards.
bool CreateDirectories(const std::wstring& path);

// The user's temporary folder as narrow text ending in a backslash, at most 260 bytes
// (GetTempPathA); empty when it cannot be determined.
std::string TempDirectory();

// Makes TempDirectory() return `directory` (which should end in a backslash) until called
// again with an empty text.
void SetTempDirectoryForTesting(const std::string& directory);

// Removes one trailing backslash, as PathRemoveBackslashA does (a drive root keeps it).
std::string RemoveTrailingBackslash(std::string path);

// Full path of the running program file: wide (at most 260 characters) and narrow (at most
// 260 bytes, GetModuleFileNameA). Empty when unavailable.
std::wstring ModuleFilePath();
std::string ModuleFilePathNarrow();

// The native form of a path: on POSIX the UTF-8 text with slashes, on Windows unchanged.
std::string NativePath(const std::wstring& path);

}  // namespace platform
