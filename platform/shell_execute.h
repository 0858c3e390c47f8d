// Opening a file through the system's shell.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Show commands of ShellExecuteW (SW_*).
inline constexpr int kShowHidden = 0;
inline constexpr int kShowNormal = 1;

// Asks the shell to open `file` with `verb` ("runas" asks for administrator rights; empty
// text: the file type's default verb), without parameters, working folder or owner window,
// with the show command `show`. Does not wait for what it starts. True when the shell
// reported success (ShellExecuteW answering above 32).
// POSIX: starts `file` as a program, detached; the verb and the show command mean nothing
// there.
bool ShellExecuteFile(const std::wstring& file, const std::wstring& verb, int show);

using ShellExecutor =
    std::function<bool(const std::wstring& file, const std::wstring& verb, int show)>;

// Answers ShellExecuteFile with `executor` until called again with an empty function.
void SetShellExecuteForTesting(ShellExecutor executor);

}  // namespace platform
