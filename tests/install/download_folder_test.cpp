// The folder of one run: a new private folder with an unpredictable name under the
// temporary folder, removed with everything in it at the end; leftovers of earlier runs go,
// and nothing else in the temporary folder is touched.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>

#include "install/download_folder.h"
#include "platform/files.h"
#include "platform/private_folder.h"
#include "platform/text_encoding.h"
#include "tests/install/test_support.h"

namespace {

using install_test::ScratchFolder;

class DownloadFolderTest : public testing::Test {
 protected:
  DownloadFolderTest() { platform::SetTempDirectoryForTesting(temp_.Path() + "\\"); }
  ~DownloadFolderTest() override {
    RemoveDownloadFolder();
    ResetDownloadFolderForTesting();
    platform::SetTempDirectoryForTesting("");
  }

  bool Write(const std::string& path) {
    return platform::WriteWholeFile(platform::NarrowToWide(path), "x", 1);
  }

  ScratchFolder temp_;
};

TEST_F(DownloadFolderTest, EachRunGetsANewPrivateFolderThatGoesAtTheEnd) {
  EXPECT_EQ(DownloadFolder(), temp_.Path() + "\\") << "a program that made none";
  ASSERT_TRUE(CreateDownloadFolder());
  const std::string first = DownloadFolder();
  ASSERT_EQ(first.rfind(temp_.Path() + "\\", 0), 0u);
  ASSERT_EQ(first.back(), '\\');
  const std::string name =
      first.substr(temp_.Path().size() + 1, first.size() - temp_.Path().size() - 2);
  EXPECT_TRUE(IsDownloadFolderName(name)) << name;
  EXPECT_TRUE(platform::PathExists(first));
  const std::string access = platform::FolderAccessForTesting(first);
#ifdef _WIN32
  // Every entry is for SYSTEM, the Administrators or a user account (S-1-5-21-...); none
  // for everyone, the users group or the logged-on users. (Wine keeps its own default list
  // for new folders, which holds SYSTEM and the user only.)
  ASSERT_EQ(access.rfind("D:", 0), 0u) << access;
  size_t entries = 0;
  for (size_t open = access.find('('); open != std::string::npos;
       open = access.find('(', open + 1)) {
    const std::string entry = access.substr(open, access.find(')', open) - open + 1);
    const std::string sid = entry.substr(entry.rfind(';') + 1);
    EXPECT_TRUE(sid == "SY)" || sid == "BA)" || sid.rfind("S-1-5-21-", 0) == 0) << access;
    ++entries;
  }
  EXPECT_GE(entries, 2u) << access;
  EXPECT_NE(access.find(";SY)"), std::string::npos) << access;
#else
  EXPECT_EQ(access, "700");
#endif

  ASSERT_TRUE(platform::CreateDirectories(platform::NarrowToWide(first + "vcredist123")));
  ASSERT_TRUE(Write(first + "package.exe"));
  ASSERT_TRUE(Write(first + "vcredist123\\vcredist.msi"));
  RemoveDownloadFolder();
  EXPECT_FALSE(platform::PathExists(first));
  EXPECT_EQ(DownloadFolder(), "") << "nothing of this run is written after its end";

  ASSERT_TRUE(CreateDownloadFolder());
  EXPECT_NE(DownloadFolder(), first) << "names are not reused";
}

TEST_F(DownloadFolderTest, LeftoversOfEarlierRunsGoAndNothingElse) {
  const std::string base = temp_.Path() + "\\";
  const std::string leftover = base + "QuilloSetup-0123456789abcdef0123456789abcdef";
  const std::string lookalikes[] = {base + "QuilloSetup-0123", base + "QuilloSetup-keep",
                                    base + "QuilloSetup-0123456789ABCDEF0123456789ABCDEE",
                                    base + "other"};
  ASSERT_TRUE(platform::CreateDirectories(platform::NarrowToWide(leftover + "\\deep")));
  ASSERT_TRUE(Write(leftover + "\\deep\\package.msi"));
  for (const std::string& folder : lookalikes) {
    ASSERT_TRUE(platform::CreateDirectories(platform::NarrowToWide(folder)));
  }
  ASSERT_TRUE(Write(base + "QuilloSetup-0123456789abcdef0123456789abcde0"));  // a file
#ifndef _WIN32
  // A link inside a leftover goes as a link; what it points at stays.
  ASSERT_TRUE(Write(base + "other\\precious.txt"));
  ASSERT_EQ(symlink(platform::NativePath(platform::NarrowToWide(base + "other")).c_str(),
                    platform::NativePath(platform::NarrowToWide(leftover + "\\link")).c_str()),
            0);
#endif

  RemoveLeftoverDownloadFolders();
  EXPECT_FALSE(platform::PathExists(leftover));
  for (const std::string& folder : lookalikes) {
    EXPECT_TRUE(platform::PathExists(folder)) << folder;
  }
  EXPECT_TRUE(platform::PathExists(base + "QuilloSetup-0123456789abcdef0123456789abcde0"));
#ifndef _WIN32
  EXPECT_TRUE(platform::PathExists(base + "other\\precious.txt"));
#endif
}

TEST_F(DownloadFolderTest, AFolderThatCannotBeMadeLeavesTheRunWithoutOne) {
  platform::SetTempDirectoryForTesting(temp_.Path() + "\\missing\\deeper\\");
  EXPECT_FALSE(CreateDownloadFolder());
  EXPECT_EQ(DownloadFolder(), "");
}

TEST(PrivateFolderTest, AnExistingFolderIsNeverTakenOver) {
  ScratchFolder temp;
  EXPECT_TRUE(platform::CreatePrivateFolder(temp.Path() + "\\mine"));
  EXPECT_FALSE(platform::CreatePrivateFolder(temp.Path() + "\\mine"));
  EXPECT_TRUE(platform::RemoveFolderTree(temp.Path() + "\\mine"));
}

}  // namespace
