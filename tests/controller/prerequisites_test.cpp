// Prerequisite tests against a fake registry and a forced processor architecture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/prerequisites.h"
#include "platform/system_info.h"
#include "tests/support/fake_registry.h"

namespace {

const std::wstring kNetFull = L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full";
const std::wstring kNetClient = L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Client";

TEST(PrerequisitesTest, Net4IsPresentOnlyForVersionsBeginningWithFourDot) {
  struct Case {
    const wchar_t* version;  // null: no value at all
    bool present;
  };
  const std::vector<Case> cases = {
      {L"4.7.03062", true}, {L"4.0.30319", true}, {L"4.", true}, {L"4", false},
      {L"40.1", false},     {L"3.5", false},      {L"", false},  {nullptr, false},
  };
  for (const auto& c : cases) {
    FakeRegistry registry;
    registry.CreateKey(kNetFull);
    if (c.version != nullptr) {
      registry.SetString(kNetFull, L"Version", c.version);
    }
    EXPECT_EQ(IsNet4Installed(Net4Profile::Full), c.present) << (c.version ? "" : "(missing)");
    EXPECT_FALSE(IsNet4Installed(Net4Profile::Client));
    EXPECT_EQ(registry.OpenKeyCount(), 0);
  }
}

TEST(PrerequisitesTest, Net4ProfilesAreSeparateKeys) {
  FakeRegistry registry;
  registry.SetString(kNetClient, L"Version", L"4.8.04084");
  EXPECT_TRUE(IsNet4Installed(Net4Profile::Client));
  EXPECT_FALSE(IsNet4Installed(Net4Profile::Full));
}

TEST(PrerequisitesTest, UninstallEntryIsFoundBySubstringOfItsDisplayName) {
  struct Case {
    const wchar_t* displayName;
    bool present;
  };
  const std::vector<Case> cases = {
      {L"Microsoft Visual C++ 2015 x86 Minimum Runtime - 14.0.24215", true},
      {L"Microsoft Visual C++ 2015-2019 x86 Minimum Runtime - 14.29.30133", false},
      {L"microsoft visual c++ 2015 x86 minimum runtime", false},
  };
  for (const auto& c : cases) {
    FakeRegistry registry;
    registry.SetString(kUninstallKey + L"\\{A}", L"DisplayName", c.displayName);
    EXPECT_EQ(IsUninstallEntryPresent(L"Microsoft Visual C++ 2015 x86 Minimum Runtime", false),
              c.present)
        << std::string(c.displayName, c.displayName + 10);
    EXPECT_EQ(registry.OpenKeyCount(), 0);
  }
}

TEST(PrerequisitesTest, ScanSkipsEntriesWithoutOrWithOverlongDisplayNames) {
  FakeRegistry registry;
  registry.CreateKey(kUninstallKey + L"\\NoName");
  registry.SetString(kUninstallKey + L"\\TooLong", L"DisplayName",
                     L"BCL easyConverter SDK 5 Word" + std::wstring(300, L'x'));
  registry.SetString(kUninstallKey + L"\\Other", L"DisplayName", L"Something else");
  EXPECT_FALSE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", false));

  registry.SetString(kUninstallKey + L"\\Bcl", L"DisplayName", L"BCL easyConverter SDK 5 Word");
  EXPECT_TRUE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", false));
  EXPECT_EQ(registry.OpenKeyCount(), 0);
}

TEST(PrerequisitesTest, SixtyFourBitViewSeesOnlyItsOwnEntries) {
  FakeRegistry registry;
  registry.SetString(kUninstallKey + L"\\Bcl", L"DisplayName", L"BCL easyConverter SDK 5 Word",
                     platform::RegistryView::k64Bit);
  EXPECT_TRUE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", true));
  EXPECT_FALSE(IsUninstallEntryPresent(L"BCL easyConverter SDK 5 Word", false));
}

TEST(PrerequisitesTest, NoRegistryMeansAbsence) {
  FakeRegistry empty;
  EXPECT_FALSE(IsNet4Installed(Net4Profile::Full));
  EXPECT_FALSE(IsUninstallEntryPresent(L"anything", false));
  std::wstring text;
  EXPECT_FALSE(ReadRegistryString(kNetFull, L"Version", text));
}

TEST(PrerequisitesTest, NativeX64MeansAmd64OrItanium) {
  const std::vector<std::pair<int, bool>> cases = {{9, true}, {6, true}, {0, false}, {12, false}};
  for (const auto& [architecture, x64] : cases) {
    platform::SetNativeProcessorArchitectureForTesting(architecture);
    EXPECT_EQ(IsNativeX64(), x64) << architecture;
  }
  platform::SetNativeProcessorArchitectureForTesting(-1);
}

}  // namespace
