#include "tests/install/test_support.h"

#include <filesystem>
#include <random>

#include "platform/cancellation.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace install_test {
namespace {

constexpr uint32_t kPollStepMs = 5;

std::filesystem::path NativeFolder(const std::string& narrow) {
#ifdef _WIN32
  return std::filesystem::path(platform::NarrowToWide(narrow));
#else
  return std::filesystem::path(platform::NativePath(platform::NarrowToWide(narrow)));
#endif
}

}  // namespace

std::wstring ChildProgram() {
  std::wstring path = platform::ModuleFilePath();
  const size_t slash = path.find_last_of(L"\\/");
  path = path.substr(0, slash + 1) + L"install_test_child";
#ifdef _WIN32
  path += L".exe";
#endif
  return path;
}

std::wstring ChildCommandLine(const std::wstring& arguments) {
  return L"\"" + ChildProgram() + L"\" " + arguments;
}

platform::ProcessHandle StartChild(const std::wstring& arguments) {
  platform::ProcessHandle process;
  uint32_t error = 0;
  platform::StartProcess(ChildCommandLine(arguments), process, error);
  return process;
}

int64_t WaitForExit(platform::ProcessHandle& process, uint32_t timeoutMs) {
  if (platform::WaitUnlessCancelled(process.Waitable(), timeoutMs) !=
      platform::WaitResult::kSignalled) {
    return -1;
  }
  uint32_t code = 0;
  return process.ReadExitCode(code) ? static_cast<int64_t>(code) : -1;
}

bool ReleaseChild(const std::wstring& file) {
  return platform::WriteWholeFile(file, "", 0) &&
         WaitUntil([&] { return !platform::PathExists(file); });
}

ScratchFolder::ScratchFolder() {
  std::random_device random;
  for (;;) {
    path_ = platform::TempDirectory() + "quillo-install-test-" + std::to_string(random()) + "-" +
            std::to_string(platform::GetTickCount());
    if (!platform::PathExists(path_) &&
        platform::CreateDirectories(platform::NarrowToWide(path_))) {
      return;
    }
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(NativeFolder(path_), ignored);
}

std::wstring ScratchFolder::WideFile(const std::string& name) const {
  return platform::NarrowToWide(File(name));
}

bool WaitUntil(const std::function<bool()>& condition, uint32_t timeoutMs) {
  const uint32_t start = platform::GetTickCount();
  while (!condition()) {
    if (platform::GetTickCount() - start > timeoutMs) {
      return false;
    }
    platform::Sleep(kPollStepMs);
  }
  return true;
}

std::string ReadFileOrEmpty(const std::wstring& path) {
  std::string bytes;
  return platform::ReadWholeFile(path, bytes) ? bytes : std::string();
}

}  // namespace install_test
