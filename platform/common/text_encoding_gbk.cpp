// Replacement rules around the platforms' strict converters: whole runs are converted in
// one call, and only a run that fails is retried character by character.
#include "platform/common/gbk_codec.h"
#include "platform/common/gbk_structure.h"
#include "platform/text_encoding.h"

namespace platform {
namespace {

constexpr wchar_t kWideUnknown = L'?';
constexpr char kNarrowUnknown = '?';

void DecodeRun(std::string_view run, std::wstring& out) {
  const size_t start = out.size();
  if (gbk::DecodeStrict(run, out)) {
    return;
  }
  out.resize(start);
  while (!run.empty()) {
    const size_t length = gbk::CharacterLength(run);
    const size_t before = out.size();
    if (!gbk::DecodeStrict(run.substr(0, length), out)) {
      out.resize(before);
      out.push_back(kWideUnknown);
    }
    run.remove_prefix(length);
  }
}

// Length of the wide character at the start of `text`: a UTF-16 surrogate pair counts as one.
size_t WideCharacterLength(std::wstring_view text) {
  if constexpr (sizeof(wchar_t) == 2) {
    const auto unit = static_cast<unsigned>(text[0]) & 0xFFFF;
    if (unit >= 0xD800 && unit <= 0xDBFF && text.size() > 1) {
      return 2;
    }
  }
  return 1;
}

}  // namespace

std::wstring NarrowToWide(const std::string& narrow) {
  std::wstring out;
  out.reserve(narrow.size());
  std::string_view rest(narrow);
  while (!rest.empty()) {
    // Gather the longest run of structurally valid characters, then convert it at once.
    size_t runLength = 0;
    while (runLength < rest.size()) {
      const size_t length = gbk::CharacterLength(rest.substr(runLength));
      if (length == 0) {
        break;
      }
      runLength += length;
    }
    DecodeRun(rest.substr(0, runLength), out);
    rest.remove_prefix(runLength);
    if (!rest.empty()) {
      out.push_back(kWideUnknown);
      rest.remove_prefix(1);
    }
  }
  return out;
}

std::string WideToNarrow(const std::wstring& wide) {
  std::string out;
  out.reserve(wide.size() * 2);
  if (gbk::EncodeStrict(wide, out)) {
    return out;
  }
  out.clear();
  std::wstring_view rest(wide);
  while (!rest.empty()) {
    const size_t length = WideCharacterLength(rest);
    const size_t before = out.size();
    if (!gbk::EncodeStrict(rest.substr(0, length), out)) {
      out.resize(before);
      out.push_back(kNarrowUnknown);
    }
    rest.remove_prefix(length);
  }
  return out;
}

}  // namespace platform
