// Helpers shared by the install tests: the child program, scratch folders and waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/processes.h"

namespace install_test {

// The helper program test_child_program.cpp, beside the running test program.
std::wstring ChildProgram();

// `"<ChildProgram>" arguments`, as a Windows command line.
std::wstring ChildCommandLine(const std::wstring& arguments);

// Starts the child with `arguments`; the handle is invalid when it could not start.
platform::ProcessHandle StartChild(const std::wstring& arguments);

// Lets a child that runs "wait-for `file`" end, and waits until it has seen the file.
bool ReleaseChild(const std::wstring& file);

// Waits for the process to end (at most `timeoutMs`) and returns its exit code, or -1.
int64_t WaitForExit(platform::ProcessHandle& process, uint32_t timeoutMs = 10000);

// A new empty folder below the temporary folder, as narrow text without a trailing
// backslash, removed with its files by the destructor.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  std::wstring WideFile(const std::string& name) const;

 private:
  std::string path_;
};

// Polls `condition` every few milliseconds; false when it is still false after `timeoutMs`.
bool WaitUntil(const std::function<bool()>& condition, uint32_t timeoutMs = 10000);

std::string ReadFileOrEmpty(const std::wstring& path);

}  // namespace install_test
