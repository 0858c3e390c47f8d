// iconv with a descriptor per call: no shared state, no locale involved.
#include <iconv.h>

#include <cerrno>
#include <vector>

#include "platform/common/gbk_codec.h"

namespace platform::gbk {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (valid()) {
      iconv_close(cd_);
    }
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `input`; false on any unmappable or malformed sequence.
  bool Convert(const char* input, size_t inputBytes, std::vector<char>& output) {
    output.resize(inputBytes * 4 + 16);
    auto* in = const_cast<char*>(input);
    char* out = output.data();
    size_t inLeft = inputBytes;
    size_t outLeft = output.size();
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
      return false;
    }
    output.resize(output.size() - outLeft);
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

bool DecodeStrict(std::string_view gbk, std::wstring& out) {
  Iconv converter("WCHAR_T", "CP936");
  std::vector<char> bytes;
  if (!converter.valid() || !converter.Convert(gbk.data(), gbk.size(), bytes)) {
    return false;
  }
  const auto* begin = reinterpret_cast<const wchar_t*>(bytes.data());
  out.append(begin, bytes.size() / sizeof(wchar_t));
  return true;
}

bool EncodeStrict(std::wstring_view wide, std::string& out) {
  Iconv converter("CP936", "WCHAR_T");
  std::vector<char> bytes;
  if (!converter.valid() || !converter.Convert(reinterpret_cast<const char*>(wide.data()),
                                               wide.size() * sizeof(wchar_t), bytes)) {
    return false;
  }
  out.append(bytes.data(), bytes.size());
  return true;
}

}  // namespace platform::gbk
