// Starting the installed product through its entry in the list of installed programs, with
// the elevation verb on systems that have user account control.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/shell_execute.h"
#include "platform/text_encoding.h"
#include "platform/workstation_version.h"
#include "shell/finish_actions.h"
#include "tests/support/fake_registry.h"

namespace {

const std::wstring kEntry =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuilloPDF转换器";

struct Launch {
  std::wstring file;
  std::wstring verb;
  int show;
};

class FinishActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    product_ = platform::NarrowToWide(platform::TempDirectory()) + L"QuilloPDF_finish_test.exe";
    ASSERT_TRUE(platform::WriteWholeFile(product_, "MZ", 2));
    platform::SetShellExecuteForTesting(
        [this](const std::wstring& file, const std::wstring& verb, int show) {
          launches_.push_back({file, verb, show});
          return true;
        });
    WindowsVersionIs(6, 1);
  }
  void TearDown() override {
    platform::SetShellExecuteForTesting(nullptr);
    platform::SetWorkstationVersionForTesting(nullptr);
    platform::RemoveFile(platform::WideToNarrow(product_));
    EXPECT_EQ(registry_.OpenKeyCount(), 0);
  }

  void WindowsVersionIs(int major, int minor) {
    platform::SetWorkstationVersionForTesting([major, minor](uint32_t& ma, uint32_t& mi) {
      if (major < 0) {
        return false;
      }
      ma = static_cast<uint32_t>(major);
      mi = static_cast<uint32_t>(minor);
      return true;
    });
  }

  FakeRegistry registry_;
  std::wstring product_;
  std::vector<Launch> launches_;
};

TEST_F(FinishActionsTest, TheProductNamedByDisplayIconIsOpenedOnceAndShown) {
  registry_.SetString(kEntry, L"DisplayIcon", product_);
  EXPECT_TRUE(LaunchInstalledProduct(kProductRegistrationName));
  ASSERT_EQ(launches_.size(), 1u);
  EXPECT_EQ(launches_[0].file, product_);
  EXPECT_EQ(launches_[0].verb, L"runas");
  EXPECT_EQ(launches_[0].show, platform::kShowNormal);
}

TEST_F(FinishActionsTest, OnlyWindows6AndLaterAreAskedForElevation) {
  registry_.SetString(kEntry, L"DisplayIcon", product_);
  const struct {
    int major;
    int minor;
    int code;
    const wchar_t* verb;
  } cases[] = {
      {5, 1, 0x51, L""},      {5, 2, 0x52, L""},       {6, 0, 0x60, L"runas"},
      {6, 1, 0x61, L"runas"}, {10, 0, 0xA0, L"runas"}, {-1, 0, -1, L""},
  };
  for (const auto& c : cases) {
    WindowsVersionIs(c.major, c.minor);
    EXPECT_EQ(GetOsVersionCode(), c.code);
    launches_.clear();
    EXPECT_TRUE(LaunchInstalledProduct(kProductRegistrationName));
    ASSERT_EQ(launches_.size(), 1u);
    EXPECT_EQ(launches_[0].verb, c.verb) << c.code;
  }
}

TEST_F(FinishActionsTest, NothingStartsWithoutAnEntryAValueOrAFile) {
  EXPECT_FALSE(LaunchInstalledProduct(kProductRegistrationName));  // no entry
  registry_.SetString(kEntry, L"DisplayName", L"QuilloPDF转换器");
  EXPECT_FALSE(LaunchInstalledProduct(kProductRegistrationName));  // no DisplayIcon
  registry_.SetString(kEntry, L"DisplayIcon", product_ + L",x");
  EXPECT_FALSE(LaunchInstalledProduct(kProductRegistrationName));  // not an icon index
  registry_.SetString(kEntry, L"DisplayIcon", product_ + L".missing");
  EXPECT_FALSE(LaunchInstalledProduct(kProductRegistrationName));
  registry_.SetString(kEntry, L"DisplayIcon", std::wstring(300, L'x'));
  EXPECT_FALSE(LaunchInstalledProduct(kProductRegistrationName));  // longer than the buffer
  EXPECT_TRUE(launches_.empty());
}

// The forms installers write: quoted, with an icon index, with environment variables.
TEST_F(FinishActionsTest, DisplayIconInTheFormsInstallersWriteStartsTheProduct) {
  const std::wstring name = L"QuilloPDF_finish_test.exe";
  const std::wstring folder = product_.substr(0, product_.size() - name.size());
#ifdef _WIN32
  ASSERT_EQ(_wputenv_s(L"QUILLO_FINISH_DIR", folder.c_str()), 0);
#else
  ASSERT_EQ(setenv("QUILLO_FINISH_DIR", platform::WideToUtf8(folder).c_str(), 1), 0);
#endif
  const std::wstring forms[] = {
      product_,
      L"\"" + product_ + L"\"",
      L"\"" + product_ + L"\",0",
      L"\"" + product_ + L"\", 0",
      product_ + L",0",
      product_ + L",-101",
      product_ + L", 12",
      L"  " + product_ + L"  ",
      L"%QUILLO_FINISH_DIR%" + name,
      L"\"%QUILLO_FINISH_DIR%" + name + L"\",0",
  };
  for (const auto& form : forms) {
    launches_.clear();
    registry_.SetString(kEntry, L"DisplayIcon", form);
    EXPECT_TRUE(LaunchInstalledProduct(kProductRegistrationName)) << platform::WideToUtf8(form);
    ASSERT_EQ(launches_.size(), 1u) << platform::WideToUtf8(form);
    EXPECT_EQ(launches_[0].file, product_) << platform::WideToUtf8(form);
  }

  const struct {
    const wchar_t* value;
    const wchar_t* program;
  } programs[] = {
      {L"C:\\a,b\\p.exe", L"C:\\a,b\\p.exe"},  // a comma inside the path stays
      {L"C:\\p.exe,", L"C:\\p.exe,"},
      {L"C:\\p.exe,1a", L"C:\\p.exe,1a"},
      {L"\"C:\\p q.exe", L"C:\\p q.exe"},  // an unclosed quote takes the rest
      {L"%QUILLO_NO_SUCH_VARIABLE%\\p.exe", L"%QUILLO_NO_SUCH_VARIABLE%\\p.exe"},
      {L"", L""},
      {L"\"\"", L""},
  };
  for (const auto& c : programs) {
    EXPECT_EQ(ProgramOfDisplayIcon(c.value), c.program) << platform::WideToUtf8(c.value);
  }
}

}  // namespace
