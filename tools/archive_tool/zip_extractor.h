// Extracts a ZIP archive with its folder structure below an output folder.
#pragma once

#include <cstdint>
#include <string>

enum class ExtractResult {
  kDone,
  kUnreadableArchive,  // missing, unreadable, not a ZIP archive or damaged beyond reading
  kRefusedEntry,       // a member would land outside the output folder; nothing was written
  kDamagedMember,      // a member's data is damaged or uses what this tool cannot unpack
  kWriteFailed,        // a folder or file could not be written
  kTooLarge,           // the members add up to more than kMaxOutputSize; nothing was written
};

// The most an archive may unpack to, far above any package the setup carries: a forged
// archive cannot fill the disk.
inline constexpr uint64_t kMaxOutputSize = 1024ull * 1024 * 1024;

// Creates `outputDirectory` as needed and writes every member below it, replacing existing
// files. Every member name is checked before anything is written. Members are verified
// before they are written, so a damaged one never leaves a corrupt file. On failure `error`
// says what went wrong with which member.
ExtractResult ExtractZip(const std::wstring& archivePath, const std::wstring& outputDirectory,
                         std::wstring& error);
