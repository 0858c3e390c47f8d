// Files named by GBK or wide paths, the temporary folder and the program's own path.
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/text_encoding.h"

namespace {

TEST(FilesTest, WritesReadsAndRemovesAFileWithAChineseName) {
  const std::string folder = platform::TempDirectory();
  ASSERT_FALSE(folder.empty());
  ASSERT_EQ(folder.back(), '\\');
  const std::string gbkPath = folder + "\xD3\xC3\xBB\xA7_quillo_test.txt";  // 用户
  const std::wstring widePath = platform::NarrowToWide(gbkPath);

  ASSERT_TRUE(platform::WriteWholeFile(widePath, "abc\0def", 7));
  EXPECT_TRUE(platform::PathExists(gbkPath));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(widePath, bytes));
  EXPECT_EQ(bytes, std::string("abc\0def", 7));

  ASSERT_TRUE(platform::WriteWholeFile(widePath, "x", 1));  // truncates
  ASSERT_TRUE(platform::ReadWholeFile(widePath, bytes));
  EXPECT_EQ(bytes, "x");

  EXPECT_TRUE(platform::RemoveFile(gbkPath));
  EXPECT_FALSE(platform::PathExists(gbkPath));
  EXPECT_FALSE(platform::RemoveFile(gbkPath));
}

TEST(FilesTest, CreatesNestedFolders) {
  const std::wstring base = platform::NarrowToWide(platform::TempDirectory()) + L"quillo_dirs";
  const std::wstring nested = base + L"\\a\\b";
  ASSERT_TRUE(platform::CreateDirectories(nested));
  EXPECT_TRUE(platform::PathExists(nested));
  EXPECT_TRUE(platform::CreateDirectories(nested));  // already there
}

TEST(FilesTest, TempDirectoryCanBeRedirectedForTesting) {
  platform::SetTempDirectoryForTesting("D:\\scratch\\");
  EXPECT_EQ(platform::TempDirectory(), "D:\\scratch\\");
  platform::SetTempDirectoryForTesting("");
  EXPECT_NE(platform::TempDirectory(), "D:\\scratch\\");
}

TEST(FilesTest, RemovesOneTrailingBackslash) {
  EXPECT_EQ(platform::RemoveTrailingBackslash("C:\\Temp\\"), "C:\\Temp");
  EXPECT_EQ(platform::RemoveTrailingBackslash("C:\\Temp"), "C:\\Temp");
  EXPECT_EQ(platform::RemoveTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(platform::RemoveTrailingBackslash(""), "");
}

TEST(FilesTest, KnowsTheRunningProgram) {
  const std::wstring path = platform::ModuleFilePath();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.find(L"platform_tests"), std::wstring::npos);
  EXPECT_TRUE(platform::PathExists(path));
}

}  // namespace
