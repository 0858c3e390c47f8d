// The archive tool's command line: x [-y] [-aoa] [-o<folder>] <archive>.
#pragma once

#include <string>
#include <vector>

struct ExtractCommand {
  std::wstring archive;
  std::wstring outputDirectory = L".";  // the current folder unless -o names one
};

// Reads the arguments after the program name. False with `error` set for a command other
// than x, an unknown switch, an empty -o, or not exactly one archive. -y and -aoa are
// accepted: the tool never asks and always overwrites.
bool ParseExtractCommand(const std::vector<std::wstring>& arguments, ExtractCommand& command,
                         std::wstring& error);
