#include "duilib/zip_archive.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace DuiLib {
namespace {

constexpr uint32_t kEndOfCentralDirectory = 0x06054b50;
constexpr uint32_t kCentralHeader = 0x02014b50;
constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kCentralHeaderSize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kMaxCommentSize = 0xFFFF;
constexpr uint16_t kFlagEncrypted = 0x0001;
constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodDeflate = 8;

uint16_t Read16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
bool Fits(uint64_t offset, uint64_t length, size_t size) {
  return offset <= size && length <= size - offset;
}

std::string WithSlashes(std::string_view name) {
  std::string path(name);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool Inflate(const unsigned char* in, size_t inSize, std::string& out) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
    return false;
  }
  stream.next_in = const_cast<Bytef*>(in);
  stream.avail_in = static_cast<uInt>(inSize);
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int status = inflate(&stream, Z_FINISH);
  const bool complete = status == Z_STREAM_END && stream.avail_out == 0;
  inflateEnd(&stream);
  return complete;
}

uint32_t Checksum(const std::string& bytes) {
  const auto* p = reinterpret_cast<const Bytef*>(bytes.data());
  return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), p, static_cast<uInt>(bytes.size())));
}

}  // namespace

bool CZipArchive::Open(const void* data, size_t size) {
  data_ = nullptr;
  size_ = 0;
  members_.clear();
  if (data == nullptr || size < kEndRecordSize || size > std::numeric_limits<uint32_t>::max()) {
    return false;
  }
  data_ = static_cast<const unsigned char*>(data);
  size_ = size;
  // The end record sits at the very end unless an archive comment follows it.
  const size_t lowest = size - kEndRecordSize - std::min(size - kEndRecordSize, kMaxCommentSize);
  for (size_t at = size - kEndRecordSize + 1; at-- > lowest;) {
    if (Read32(data_ + at) == kEndOfCentralDirectory && ReadCentralDirectory(at)) {
      return true;
    }
  }
  data_ = nullptr;
  size_ = 0;
  members_.clear();
  return false;
}

bool CZipArchive::ReadCentralDirectory(size_t endRecordOffset) {
  const unsigned char* end = data_ + endRecordOffset;
  const uint16_t count = Read16(end + 10);
  const uint32_t directorySize = Read32(end + 12);
  const uint32_t directoryOffset = Read32(end + 16);
  if (!Fits(directoryOffset, directorySize, endRecordOffset)) {
    return false;
  }
  std::vector<Member> members;
  members.reserve(count);
  size_t at = directoryOffset;
  const size_t directoryEnd = static_cast<size_t>(directoryOffset) + directorySize;
  for (uint16_t i = 0; i < count; ++i) {
    if (!Fits(at, kCentralHeaderSize, directoryEnd) || Read32(data_ + at) != kCentralHeader) {
      return false;
    }
    const unsigned char* header = data_ + at;
    const size_t nameLength = Read16(header + 28);
    const size_t extraLength = Read16(header + 30);
    const size_t commentLength = Read16(header + 32);
    const size_t recordSize = kCentralHeaderSize + nameLength + extraLength + commentLength;
    if (!Fits(at, recordSize, directoryEnd)) {
      return false;
    }
    Member member;
    member.flags = Read16(header + 8);
    member.method = Read16(header + 10);
    member.crc32 = Read32(header + 16);
    member.compressedSize = Read32(header + 20);
    member.size = Read32(header + 24);
    member.localHeaderOffset = Read32(header + 42);
    member.name.assign(reinterpret_cast<const char*>(header + kCentralHeaderSize), nameLength);
    members.push_back(std::move(member));
    at += recordSize;
  }
  members_ = std::move(members);
  return !MembersOverlap();
}

bool CZipArchive::MembersOverlap() const {
  std::vector<std::pair<uint64_t, uint64_t>> extents;  // local header to end of data
  extents.reserve(members_.size());
  for (const auto& member : members_) {
    size_t dataOffset = 0;
    if (LocateData(member, dataOffset)) {
      extents.emplace_back(member.localHeaderOffset, dataOffset + member.compressedSize);
    }
  }
  std::sort(extents.begin(), extents.end());
  for (size_t i = 1; i < extents.size(); ++i) {
    if (extents[i].first < extents[i - 1].second) {
      return true;
    }
  }
  return false;
}

const CZipArchive::Member* CZipArchive::Find(std::string_view name) const {
  const std::string wanted = WithSlashes(name);
  for (const auto& member : members_) {
    if (member.name == wanted) {
      return &member;
    }
  }
  return nullptr;
}

bool CZipArchive::Read(std::string_view name, std::string& bytes) const {
  const Member* member = Find(name);
  return member != nullptr && Read(*member, bytes);
}

bool CZipArchive::LocateData(const Member& member, size_t& dataOffset) const {
  if (!Fits(member.localHeaderOffset, kLocalHeaderSize, size_)) {
    return false;
  }
  const unsigned char* local = data_ + member.localHeaderOffset;
  if (Read32(local) != kLocalHeader) {
    return false;
  }
  // The local header's own name and extra lengths decide where the data starts; its sizes
  // may be zero when a data descriptor follows, so the central directory's are used.
  const uint64_t start =
      member.localHeaderOffset + kLocalHeaderSize + Read16(local + 26) + Read16(local + 28);
  if (!Fits(start, member.compressedSize, size_)) {
    return false;
  }
  dataOffset = static_cast<size_t>(start);
  return true;
}

bool CZipArchive::Read(const Member& member, std::string& bytes) const {
  bytes.clear();
  size_t dataOffset = 0;
  if (member.IsDirectory() || (member.flags & kFlagEncrypted) != 0 ||
      member.size > kMaxMemberSize || !LocateData(member, dataOffset)) {
    return false;
  }
  const unsigned char* packed = data_ + dataOffset;
  const auto packedSize = static_cast<size_t>(member.compressedSize);
  std::string out(static_cast<size_t>(member.size), '\0');
  bool unpacked = false;
  if (member.method == kMethodStored) {
    unpacked = packedSize == out.size();
    std::copy(packed, packed + (unpacked ? packedSize : 0), out.begin());
  } else if (member.method == kMethodDeflate) {
    unpacked = out.empty() ? packedSize <= 2 : Inflate(packed, packedSize, out);
  }
  if (!unpacked || Checksum(out) != member.crc32) {
    return false;
  }
  bytes = std::move(out);
  return true;
}

}  // namespace DuiLib
