// The skin archive reader: any bytes opened as a ZIP archive, every member looked up and read.
#include <cstddef>
#include <cstdint>
#include <string>

#include "duilib/zip_archive.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DuiLib::CZipArchive archive;
  if (!archive.Open(data, size)) {
    fuzz::Check(archive.Members().empty(), "a refused archive has no members");
    return 0;
  }
  for (const auto& member : archive.Members()) {
    // Lookups read backslashes as slashes, so only names without one are found as stored.
    fuzz::Check(member.name.find('\\') != std::string::npos || archive.Find(member.name) != nullptr,
                "every member can be found by its name");
    std::string bytes;
    if (archive.Read(member, bytes)) {
      fuzz::Check(bytes.size() == member.size, "a member reads to its recorded size");
      fuzz::Check(member.size <= DuiLib::CZipArchive::kMaxMemberSize, "no member is too large");
    } else {
      fuzz::Check(bytes.empty(), "a member that cannot be read gives no bytes");
    }
  }
  return 0;
}
