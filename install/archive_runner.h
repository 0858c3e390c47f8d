// The archive runner: writes the archive tool that the program carries out to the
// temporary folder as "7za.exe" and extracts an archive with it.
#pragma once

#include <string>

// Runs "<temp>\7za.exe" x -y -aoa -o"<outputDirectory>" "<archive>" and waits for it. True
// when the tool extracted the archive (exit code 0, or 1 for warnings); false when it
// failed, and without running anything when the tool cannot be written.
bool ExtractArchive(const std::string& archive, const std::string& outputDirectory);

// Writes the program's resource "EXE" 104 to `path`, replacing any file there. True only
// when the whole resource was written.
bool WriteToolFromResource(const std::wstring& path);
