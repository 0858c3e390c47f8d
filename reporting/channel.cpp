#include "reporting/channel.h"

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace {

constexpr char kDefaultChannel[] = "P2";

std::wstring FileNameOf(const std::wstring& path) {
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::string ChannelFromProgramPath(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const size_t last = name.rfind(L'_');
  if (last == std::wstring::npos || last == 0) {
    return kDefaultChannel;
  }
  const size_t previous = name.rfind(L'_', last - 1);
  if (previous == std::wstring::npos) {
    return kDefaultChannel;
  }
  return platform::WideToNarrow(name.substr(previous + 1, last - previous - 1));
}

std::string DetermineChannel() {
  return ChannelFromProgramPath(platform::ModuleFilePath());
}

const std::string& Channel() {
  // Never destroyed: the report sender and the workers may still use it during exit.
  static const auto* channel = new std::string(DetermineChannel());
  return *channel;
}

namespace {
// Computes the channel during static initialisation, before any thread of the program.
[[maybe_unused]] const std::string& channelAtStartup = Channel();
}  // namespace
