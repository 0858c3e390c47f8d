// A read-only view of a ZIP archive held in memory.
//
// Members are stored or deflate-compressed; encrypted members, other methods and ZIP64
// archives are refused, and so are archives whose members share bytes (a forgery that lets a
// small archive unpack to many times its size). The archive bytes are not copied: they must outlive
// the object. Every offset and size is checked against the buffer, so a truncated or damaged
// archive fails cleanly instead of reading outside it. After Open, lookups and reads do not change
// the object and may run on several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace DuiLib {

class CZipArchive {
 public:
  struct Member {
    std::string name;  // as stored, with forward slashes; directories end in '/'
    uint16_t method = 0;
    uint16_t flags = 0;
    uint32_t crc32 = 0;
    uint64_t compressedSize = 0;
    uint64_t size = 0;
    uint64_t localHeaderOffset = 0;
    bool IsDirectory() const { return !name.empty() && name.back() == '/'; }
  };

  // Members larger than this are refused, so a forged size cannot exhaust memory.
  static constexpr uint64_t kMaxMemberSize = 64u * 1024 * 1024;

  CZipArchive() = default;

  // Reads the central directory. False (and an empty archive) when the bytes are not a ZIP
  // archive this reader understands.
  bool Open(const void* data, size_t size);

  bool IsOpen() const { return data_ != nullptr; }
  const std::vector<Member>& Members() const { return members_; }

  // The member called `name`. Backslashes in `name` are read as slashes, so layouts can
  // name images the Windows way; letter case must match. Null when absent.
  const Member* Find(std::string_view name) const;

  // Extracts `name` into `bytes`. False when the member is absent, a directory, damaged
  // (bad header, wrong size or checksum) or uses a feature this reader does not support.
  bool Read(std::string_view name, std::string& bytes) const;
  bool Read(const Member& member, std::string& bytes) const;

 private:
  bool ReadCentralDirectory(size_t endRecordOffset);
  bool LocateData(const Member& member, size_t& dataOffset) const;
  // True when two members' local headers and data share a byte.
  bool MembersOverlap() const;

  const unsigned char* data_ = nullptr;
  size_t size_ = 0;
  std::vector<Member> members_;
};

}  // namespace DuiLib
