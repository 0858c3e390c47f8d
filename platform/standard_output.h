// Diagnostic lines on the process's standard output.
#pragma once

namespace platform {

// The wide formatted print to standard output ("%ls" for a wide text, "%d" for an int).
// On POSIX the text is written as UTF-8 bytes, so the line also appears when narrow output
// has already been written to standard output. Nothing is shown when there is no standard
// output.
void PrintWide(const wchar_t* format, ...);

}  // namespace platform
