// The install folder's default and the user's choice of another one, the free-space test
// and the texts of the space labels.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/disk_space.h"
#include "platform/folder_picker.h"
#include "platform/system_folders.h"
#include "shell/install_folder.h"
#include "shell/install_space.h"

namespace {

constexpr uint64_t kMiB = 1048576;

class InstallOptionsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::SetProgramFilesFolderForTesting(nullptr);
    platform::SetFolderPickerForTesting(nullptr);
    platform::SetDiskFreeSpaceForTesting(nullptr);
  }

  // The picker answers with `picked`, or cancels when it is empty, and remembers its call.
  void PickerAnswers(const std::wstring& picked) {
    platform::SetFolderPickerForTesting([this, picked](platform::WindowHandle owner,
                                                       const std::wstring& title, uint32_t flags,
                                                       std::wstring& folder) {
      pickerOwner = owner;
      pickerTitle = title;
      pickerFlags = flags;
      folder = picked;
      return !picked.empty();
    });
  }

  // Drive roots asked for, and the free bytes every drive has (failing when unset).
  void DrivesHave(uint64_t freeBytes, bool queryWorks = true) {
    platform::SetDiskFreeSpaceForTesting(
        [this, freeBytes, queryWorks](const std::wstring& root, uint64_t& bytes) {
          roots.push_back(root);
          bytes = freeBytes;
          return queryWorks;
        });
  }

  platform::WindowHandle pickerOwner = nullptr;
  std::wstring pickerTitle;
  uint32_t pickerFlags = 0;
  std::vector<std::wstring> roots;
};

TEST_F(InstallOptionsTest, TheDefaultFolderIsTheProductFolderInProgramFiles) {
  platform::SetProgramFilesFolderForTesting([] { return L"D:\\Programme"; });
  EXPECT_EQ(DefaultInstallFolder(), L"D:\\Programme\\QuilloPDF");
  platform::SetProgramFilesFolderForTesting([] { return std::wstring(); });
  EXPECT_EQ(DefaultInstallFolder(), L"C:\\Program Files\\QuilloPDF");
}

TEST_F(InstallOptionsTest, ThePickedFolderAlwaysGetsTheProductFolderName) {
  const struct {
    const wchar_t* picked;
    const wchar_t* folder;
  } cases[] = {
      {L"D:\\", L"D:\\QuilloPDF"},
      {L"D:\\Apps", L"D:\\Apps\\QuilloPDF"},
      {L"D:\\Apps\\QuilloPDF", L"D:\\Apps\\QuilloPDF\\QuilloPDF"},
      {L"E:\\软件 安装", L"E:\\软件 安装\\QuilloPDF"},
  };
  for (const auto& c : cases) {
    PickerAnswers(c.picked);
    std::wstring folder;
    ASSERT_TRUE(BrowseInstallFolder(reinterpret_cast<platform::WindowHandle>(0x40), folder))
        << c.picked;
    EXPECT_EQ(folder, c.folder);
  }
  EXPECT_EQ(pickerOwner, reinterpret_cast<platform::WindowHandle>(0x40));
  EXPECT_EQ(pickerTitle, L"请选择安装路径");
  EXPECT_EQ(pickerFlags, 0x351u);
}

TEST_F(InstallOptionsTest, ACancelledOrUnusablePickLeavesTheFolderAlone) {
  std::wstring folder = L"C:\\Program Files\\QuilloPDF";
  PickerAnswers(L"");
  EXPECT_FALSE(BrowseInstallFolder(nullptr, folder));
  // The installers take their folder as code page 936 text, which has no such letters.
  PickerAnswers(L"D:\\\u00C5ngstr\u00F6m \U0001F600");
  EXPECT_FALSE(BrowseInstallFolder(nullptr, folder));
  EXPECT_EQ(folder, L"C:\\Program Files\\QuilloPDF");
}

TEST_F(InstallOptionsTest, MoreThan300WholeMebibytesMustBeFree) {
  const struct {
    uint64_t freeBytes;
    bool enough;
  } cases[] = {
      {301 * kMiB, true},
      {301 * kMiB - 1, false},
      {300 * kMiB + kMiB - 1, false},
      {300 * kMiB, false},
      {0, false},
      {5ull * 1024 * kMiB, true},      // lower 32 bits: 1 GiB
      {4ull * 1024 * kMiB, true},      // lower 32 bits: zero
      {4ull * 1024 * kMiB + 5, true},  // lower 32 bits far below the threshold
  };
  for (const auto& c : cases) {
    DrivesHave(c.freeBytes);
    EXPECT_EQ(CheckDiskSpace(L'D'), c.enough) << c.freeBytes;
  }
  EXPECT_EQ(roots.back(), L"D:");
}

TEST_F(InstallOptionsTest, ADriveThatCannotBeMeasuredHasNoSpace) {
  DrivesHave(10ull * 1024 * kMiB, false);
  EXPECT_FALSE(CheckDiskSpace(L'\\'));
  EXPECT_EQ(FreeBytesOfFolderDrive(L"\\\\server\\share\\QuilloPDF"), 0u);
  EXPECT_EQ(roots, (std::vector<std::wstring>{L"\\:", L"\\:"}));
  EXPECT_EQ(FreeBytesOfFolderDrive(L""), 0u);
}

TEST_F(InstallOptionsTest, TheLabelsShowMebibytesUpTo1024AndGibibytesAbove) {
  const struct {
    uint64_t freeBytes;
    const wchar_t* text;
  } cases[] = {
      {0, L"0.00MB"},
      {kMiB - 1, L"0.00MB"},
      {301 * kMiB + 77, L"301.00MB"},
      {1024 * kMiB, L"1024.00MB"},
      {1025 * kMiB, L"1.00GB"},
      {1536 * kMiB, L"1.50GB"},
      {5ull * 1024 * kMiB + 3 * kMiB, L"5.00GB"},
      {2000ull * 1024 * kMiB, L"2000.00GB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatAvailableSpace(c.freeBytes), c.text) << c.freeBytes;
  }
  EXPECT_EQ(FormatNeededSpace(), L"300MB");
  EXPECT_EQ(LowDiskSpaceMessage(), L"安装磁盘空间不足，所需空间300M");
}

}  // namespace
