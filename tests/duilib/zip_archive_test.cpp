// Shows that the archive reader extracts what Python's zipfile writes and fails cleanly on
// missing members and on truncated or damaged archives.
#include "duilib/zip_archive.h"

#include <gtest/gtest.h>

#include <string>

#include "zip_fixtures.h"

namespace DuiLib {
namespace {

std::string Bytes(const unsigned char* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

TEST(ZipArchiveTest, ReadsStoredAndDeflatedMembersByEitherSlash) {
  CZipArchive archive;
  ASSERT_TRUE(archive.Open(kMixedZip, sizeof kMixedZip));
  std::string bytes;
  ASSERT_TRUE(archive.Read("frame/stored.txt", bytes));
  EXPECT_EQ(bytes, "stored bytes\n");
  ASSERT_TRUE(archive.Read("frame\\deflated.txt", bytes));
  std::string expected;
  for (int i = 0; i < 200; ++i) {
    expected += "deflated text ";
  }
  EXPECT_EQ(bytes, expected);
  ASSERT_TRUE(archive.Read("empty.txt", bytes));
  EXPECT_TRUE(bytes.empty());
  ASSERT_TRUE(archive.Read("\xe5\xb8\x83\xe5\xb1\x80.xml", bytes));
  EXPECT_EQ(bytes, "<a/>");
}

TEST(ZipArchiveTest, ListsDirectoryEntriesButDoesNotReadThem) {
  CZipArchive archive;
  ASSERT_TRUE(archive.Open(kMixedZip, sizeof kMixedZip));
  const auto* directory = archive.Find("frame/");
  ASSERT_NE(directory, nullptr);
  EXPECT_TRUE(directory->IsDirectory());
  std::string bytes = "unchanged";
  EXPECT_FALSE(archive.Read(*directory, bytes));
  EXPECT_TRUE(bytes.empty());
}

TEST(ZipArchiveTest, MissingMembersAndWrongCaseAreNotFound) {
  CZipArchive archive;
  ASSERT_TRUE(archive.Open(kMixedZip, sizeof kMixedZip));
  std::string bytes;
  for (const char* name : {"missing.png", "Frame/stored.txt", "stored.txt", ""}) {
    EXPECT_EQ(archive.Find(name), nullptr) << name;
    EXPECT_FALSE(archive.Read(name, bytes)) << name;
  }
}

TEST(ZipArchiveTest, ReadsMembersFollowedByDataDescriptors) {
  CZipArchive archive;
  ASSERT_TRUE(archive.Open(kStreamedZip, sizeof kStreamedZip));
  std::string bytes;
  ASSERT_TRUE(archive.Read("streamed.txt", bytes));
  EXPECT_EQ(bytes.size(), 24u * 50);
}

TEST(ZipArchiveTest, TruncatedArchivesFailWithoutReadingPastTheEnd) {
  const std::string whole = Bytes(kMixedZip, sizeof kMixedZip);
  for (size_t keep = 0; keep < whole.size(); keep += 7) {
    // A heap copy of exactly `keep` bytes lets the address sanitizer catch any over-read.
    const std::string cut = whole.substr(0, keep);
    CZipArchive archive;
    if (!archive.Open(cut.data(), cut.size())) {
      continue;
    }
    std::string bytes;
    for (const auto& member : archive.Members()) {
      archive.Read(member, bytes);
    }
  }
  CZipArchive archive;
  EXPECT_FALSE(archive.Open(whole.data(), whole.size() - 30));
  EXPECT_FALSE(archive.Open(nullptr, 100));
  EXPECT_FALSE(archive.Open("PK\x05\x06", 4));
}

TEST(ZipArchiveTest, DamagedMemberDataIsRefused) {
  std::string damaged = Bytes(kMixedZip, sizeof kMixedZip);
  CZipArchive original;
  ASSERT_TRUE(original.Open(damaged.data(), damaged.size()));
  const auto* stored = original.Find("frame/stored.txt");
  const auto* deflated = original.Find("frame/deflated.txt");
  ASSERT_NE(stored, nullptr);
  ASSERT_NE(deflated, nullptr);
  const size_t storedData = stored->localHeaderOffset + 30 + stored->name.size();
  const size_t deflatedData = deflated->localHeaderOffset + 30 + deflated->name.size();
  damaged[storedData] ^= 0x20;
  damaged[deflatedData + 3] ^= 0x55;

  CZipArchive archive;
  ASSERT_TRUE(archive.Open(damaged.data(), damaged.size()));
  std::string bytes;
  EXPECT_FALSE(archive.Read("frame/stored.txt", bytes));
  EXPECT_FALSE(archive.Read("frame/deflated.txt", bytes));
  EXPECT_TRUE(archive.Read("empty.txt", bytes));
}

TEST(ZipArchiveTest, ForgedSizesAndOffsetsAreRefused) {
  const std::string whole = Bytes(kMixedZip, sizeof kMixedZip);
  CZipArchive archive;
  ASSERT_TRUE(archive.Open(whole.data(), whole.size()));
  CZipArchive::Member forged = *archive.Find("frame/deflated.txt");
  std::string bytes;
  forged.size = CZipArchive::kMaxMemberSize + 1;
  EXPECT_FALSE(archive.Read(forged, bytes));
  forged = *archive.Find("frame/deflated.txt");
  forged.size -= 1;  // more output than announced
  EXPECT_FALSE(archive.Read(forged, bytes));
  forged = *archive.Find("frame/deflated.txt");
  forged.localHeaderOffset = whole.size() - 10;
  EXPECT_FALSE(archive.Read(forged, bytes));
  forged = *archive.Find("frame/deflated.txt");
  forged.compressedSize = whole.size();
  EXPECT_FALSE(archive.Read(forged, bytes));
  forged = *archive.Find("frame/stored.txt");
  forged.flags |= 1;  // encrypted
  EXPECT_FALSE(archive.Read(forged, bytes));
  forged = *archive.Find("frame/stored.txt");
  forged.method = 12;  // bzip2
  EXPECT_FALSE(archive.Read(forged, bytes));
}

}  // namespace
}  // namespace DuiLib
