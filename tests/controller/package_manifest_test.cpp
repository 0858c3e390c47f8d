// Turning a deciphered manifest into the packages this machine needs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/package_file_name.h"
#include "controller/package_manifest.h"
#include "platform/system_info.h"
#include "tests/support/fake_registry.h"

namespace {

class ManifestTest : public ::testing::Test {
 protected:
  ManifestTest() { platform::SetNativeProcessorArchitectureForTesting(9); }
  ~ManifestTest() override { platform::SetNativeProcessorArchitectureForTesting(-1); }

  std::vector<DownInfo> Parse(const std::string& json, bool expectParsed = true) {
    std::vector<DownInfo> list;
    EXPECT_EQ(ParseManifest(json, context, list), expectParsed) << json;
    return list;
  }

  // One "pdfinstall" element per item, each a JSON object text.
  static std::string Manifest(const std::vector<std::string>& elements,
                              const std::string& handling = "{}") {
    std::string json = R"({"pdfHandling":)" + handling + R"(,"pdfinstall":[)";
    for (size_t i = 0; i < elements.size(); ++i) {
      json += (i ? "," : "") + elements[i];
    }
    return json + "]}";
  }

  FakeRegistry registry;
  ManifestContext context{"C:\\Temp\\", "3.0.1.0", "P7"};
};

TEST_F(ManifestTest, KeepsTheNeededPackagesInManifestOrder) {
  const auto list = Parse(Manifest({
      R"({"name":"dotNet4.0","url":"http://h/p/dotnet.exe","size":"1000"})",
      R"({"name":"bclx86","url":"http://h/p/bcl32.msi"})",
      R"({"name":"bclx64","url":"http://h/p/bcl64.msi","size":"2000"})",
      R"({"name":"vcredist2005x86","url":"http://h/p/vc2005.zip","needed":"1"})",
      R"({"name":"vcredist2015x86","url":"http://h/p/vc2015.exe","needed":"yes"})",
      R"({"name":"installer","url":"http://h/p/setup.exe","size":"3000"})",
      R"({"name":"BCLx64","url":"http://h/p/other.msi","needed":"0"})",
      R"({"name":"BCLx64","url":"http://h/p/unknown.bin"})",
  }));
  ASSERT_EQ(list.size(), 6u);
  const std::vector<std::pair<int32_t, std::string>> expected = {
      {PKG_DOTNET4, "C:\\Temp\\dotnet.exe"},
      {PKG_BCL_X64, "C:\\Temp\\bcl64.msi"},
      {PKG_VCREDIST2005_X86, "C:\\Temp\\vc2005.zip"},
      {PKG_VCREDIST2015_X86, "C:\\Temp\\vc2015.exe"},
      {PKG_INSTALLER, "C:\\Temp\\A_P7_setup.exe"},
      {PKG_OTHER, "C:\\Temp\\unknown.bin"},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(list[i].kind, expected[i].first) << i;
    EXPECT_EQ(list[i].localPath, expected[i].second) << i;
    EXPECT_EQ(list[i].done, 0u);
    EXPECT_EQ(list[i].stamp, 0u);
  }
  EXPECT_EQ(list[0].size, 1000u);
  EXPECT_EQ(list[1].size, 2000u);
  EXPECT_EQ(list[2].size, 0u);
  EXPECT_EQ(list[4].url, "http://h/p/setup.exe");
}

TEST_F(ManifestTest, OnA32BitSystemOnlyThe32BitSdkIsKept) {
  platform::SetNativeProcessorArchitectureForTesting(0);
  const auto list = Parse(Manifest({R"({"name":"bclx86","url":"http://h/bcl32.msi"})",
                                    R"({"name":"bclx64","url":"http://h/bcl64.msi"})"}));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].kind, PKG_BCL_X86);
}

TEST_F(ManifestTest, PrerequisitesFoundOnTheMachineAreDropped) {
  registry.SetString(kUninstallKey + L"\\{Bcl}", L"DisplayName", L"BCL easyConverter SDK 5 Word",
                     platform::RegistryView::k64Bit);
  registry.SetString(kUninstallKey + L"\\{Vc}", L"DisplayName",
                     L"Microsoft Visual C++ 2015 x86 Minimum Runtime - 14.0.24215");
  registry.SetString(L"SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full", L"Version",
                     L"4.8.04084");
  const auto list = Parse(Manifest({
      R"({"name":"bclx64","url":"http://h/bcl64.msi"})",
      R"({"name":"vcredist2015x86","url":"http://h/vc2015.exe"})",
      R"({"name":"dotNet4.0","url":"http://h/dotnet.exe"})",
      R"({"name":"vcredist2005x86","url":"http://h/vc2005.zip"})",
  }));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].kind, PKG_VCREDIST2005_X86);
}

TEST_F(ManifestTest, SizeIsTheLeadingDecimalDigits) {
  const std::vector<std::pair<std::string, uint32_t>> cases = {
      {R"("size":"123abc")", 123},
      {R"("size":"")", 0},
      {R"("size":"abc")", 0},
      {R"("size":" 42")", 42},
      {R"("size":"-5")", 0},
      {R"("size":7)", 7},
      {R"("size":"99999999999")", 4294967295u},
      {R"("size":null)", 0},
  };
  for (const auto& [member, size] : cases) {
    const auto list = Parse(Manifest({R"({"name":"x","url":"http://h/x.exe",)" + member + "}"}));
    ASSERT_EQ(list.size(), 1u) << member;
    EXPECT_EQ(list[0].size, size) << member;
  }
}

TEST_F(ManifestTest, ProductSetupComesFromTheAlternativeAddressOnlyForThisVersion) {
  const std::string element = R"({"name":"installer","url":"http://h/setup.exe"})";
  const auto matching =
      Parse(Manifest({element}, R"({"Version":"3.0.1.0","url":"http://alt/v2/new.exe"})"));
  ASSERT_EQ(matching.size(), 1u);
  EXPECT_EQ(matching[0].url, "http://alt/v2/new.exe");
  EXPECT_EQ(matching[0].localPath, "C:\\Temp\\A_P7_new.exe");

  const auto other =
      Parse(Manifest({element}, R"({"Version":"3.0.2.0","url":"http://alt/n.exe"})"));
  ASSERT_EQ(other.size(), 1u);
  EXPECT_EQ(other[0].url, "http://h/setup.exe");
  EXPECT_EQ(other[0].localPath, "C:\\Temp\\A_P7_setup.exe");

  const auto emptyAlternative = Parse(Manifest({element}, R"({"Version":"3.0.1.0","url":""})"));
  EXPECT_EQ(emptyAlternative[0].url, "http://h/setup.exe");
}

TEST_F(ManifestTest, AHashMemberTravelsWithItsEntryAsWritten) {
  const std::string hash(64, 'a');
  const auto list = Parse(Manifest({
      R"({"name":"dotNet4.0","url":"http://h/a.exe"})",
      R"({"name":"bclx64","url":"http://h/b.msi","sha256":")" + hash + R"("})",
      R"({"name":"vcredist2015x86","url":"http://h/c.exe","sha256":"xyz"})",
      R"({"name":"vcredist2005x86","url":"http://h/d.zip","sha256":17})",
      R"({"name":"other","url":"http://h/e.exe","sha256":null})",
  }));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_FALSE(list[0].sha256.has_value()) << "absent: no check";
  EXPECT_EQ(list[1].sha256, hash);
  EXPECT_EQ(list[2].sha256, "xyz") << "malformed: kept, so the download is refused";
  EXPECT_EQ(list[3].sha256, "") << "not a string: present, matches nothing";
  EXPECT_EQ(list[4].sha256, "") << "null: present, matches nothing";
}

TEST_F(ManifestTest, TheAlternativeAddressBringsTheHandlingsHash) {
  const std::string own(64, '1');
  const std::string alternative(64, '2');
  const std::string entry =
      R"({"name":"installer","url":"http://h/setup.exe","sha256":")" + own + R"("})";
  const std::string handling =
      R"({"Version":"3.0.1.0","url":"http://alt/setup.exe","sha256":")" + alternative + R"("})";
  EXPECT_EQ(Parse(Manifest({entry}, handling))[0].sha256, alternative);
  EXPECT_FALSE(Parse(Manifest({entry}, R"({"Version":"3.0.1.0","url":"http://alt/s.exe"})"))[0]
                   .sha256.has_value())
      << "the alternative file is not the entry's file";
  EXPECT_EQ(Parse(Manifest({entry}, R"({"Version":"1.0.0.0","url":"http://alt/s.exe",)"
                                    R"("sha256":"00"})"))[0]
                .sha256,
            own);
}

TEST_F(ManifestTest, EntriesWithoutAddressOrNotNeededAreSkipped) {
  const auto list = Parse(Manifest({
      R"({"name":"x","needed":"0","url":"http://h/a.exe"})",
      R"({"name":"x"})",
      R"({"name":"x","url":""})",
      R"({"name":"x","url":"http://h/b.exe","needed":"00"})",
  }));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].localPath, "C:\\Temp\\b.exe");
}

TEST_F(ManifestTest, MalformedManifestsNeverEndTheProgram) {
  struct Case {
    std::string json;
    bool parsed;
    size_t packages;
  };
  const std::vector<Case> cases = {
      {"not json at all", false, 0},
      {"", false, 0},
      {R"({"pdfinstall":[{"name":"x","url":"http://h/a.exe"})", false, 0},
      {"[1,2,3]", true, 0},
      {R"({"pdfinstall":{"name":"x","url":"http://h/a.exe"}})", true, 0},
      {R"({"pdfinstall":"text"})", true, 0},
      {R"({"pdfHandling":[1],"pdfinstall":[7,null,"x",[1]]})", true, 0},
      {R"({"pdfinstall":[{"name":["x"],"url":{"a":1},"size":[1]}]})", true, 0},
      {R"({"pdfinstall":[{"name":{"a":1},"url":"http://h/a.exe","needed":[0]}]})", true, 1},
      {R"({"pdfinstall":[{"name":1,"url":"http://h/a.exe","size":true,"needed":false}]})", true, 1},
      {"{}", true, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse(c.json, c.parsed).size(), c.packages) << c.json;
  }
}

TEST_F(ManifestTest, FileNamesFromAddressesStayInsideTheTemporaryFolder) {
  const auto list = Parse(Manifest({
      R"({"name":"x","url":"http://h/a\\..\\..\\evil.exe"})",
      R"({"name":"x","url":"http://h/dir/"})",
      R"({"name":"x","url":"http://h/setup.exe?sig=1/2"})",
      R"({"name":"x","url":"noslash.exe"})",
      R"({"name":"x","url":"http://h/.."})",
      R"({"name":"x","url":"http://h/c:evil.exe"})",
      R"({"name":"x","url":"http://h/CON.exe"})",
      R"({"name":"installer","url":"http://h/"})",
      // Windows reads a device name before blanks and an extension as the device.
      R"({"name":"x","url":"http://h/LPT9 .EXE"})",
  }));
  const std::vector<std::string> expected = {
      "C:\\Temp\\a_.._.._evil.exe", "C:\\Temp\\package2.exe",      "C:\\Temp\\setup.exe",
      "C:\\Temp\\noslash.exe",      "C:\\Temp\\package5.exe",      "C:\\Temp\\c_evil.exe",
      "C:\\Temp\\_CON.exe",         "C:\\Temp\\A_P7_package8.exe", "C:\\Temp\\_LPT9 .EXE",
  };
  ASSERT_EQ(list.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(list[i].localPath, expected[i]);
  }
}

TEST_F(ManifestTest, PackagesNeverShareALocalFile) {
  const auto list = Parse(Manifest({
      R"({"name":"a","url":"http://h/one/setup.exe"})",
      R"({"name":"b","url":"http://h/two/setup.exe"})",
      R"({"name":"c","url":"http://h/three/SETUP.EXE"})",
      R"({"name":"d","url":"http://h/four/setup_2.exe"})",
      R"({"name":"e","url":"http://h/five/setup.exe"})",
  }));
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].localPath, "C:\\Temp\\setup.exe");
  EXPECT_EQ(list[1].localPath, "C:\\Temp\\setup_2.exe");
  EXPECT_EQ(list[2].localPath, "C:\\Temp\\SETUP_3.EXE");
  EXPECT_EQ(list[3].localPath, "C:\\Temp\\setup_2_2.exe");
  EXPECT_EQ(list[4].localPath, "C:\\Temp\\setup_4.exe");
}

TEST_F(ManifestTest, NamesThatWindowsWouldReadAsOneStayApart) {
  const std::string longStem(119, 'a');
  const auto list = Parse(Manifest({
      // Cut to 120 bytes, this name ends in a blank that Windows drops.
      R"({"name":"a","url":"http://h/)" + longStem + R"( bbbbbb"})",
      R"({"name":"b","url":"http://h/)" + longStem + R"("})",
      // Full-width and Cyrillic letters in code page 936, each in both cases.
      "{\"name\":\"c\",\"url\":\"http://h/\xa3\xc1.exe\"}",
      "{\"name\":\"d\",\"url\":\"http://h/\xa3\xe1.exe\"}",
      "{\"name\":\"e\",\"url\":\"http://h/\xa7\xa1.exe\"}",
      "{\"name\":\"f\",\"url\":\"http://h/\xa7\xd1.exe\"}",
  }));
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[0].localPath, "C:\\Temp\\" + longStem);
  EXPECT_EQ(list[1].localPath, "C:\\Temp\\" + longStem + "_2");
  EXPECT_EQ(list[3].localPath, "C:\\Temp\\\xa3\xe1_2.exe");
  EXPECT_EQ(list[5].localPath, "C:\\Temp\\\xa7\xd1_2.exe");
}

TEST_F(ManifestTest, ThousandsOfEntriesWithOneAddressGetNumberedNames) {
  // Once quadratic: each name searched its suffixes from "_2" again.
  const int count = 20000;
  std::vector<std::string> elements(count, R"({"name":"x","url":"http://h/setup.exe"})");
  const auto list = Parse(Manifest(elements));
  ASSERT_EQ(list.size(), static_cast<size_t>(count));
  EXPECT_EQ(list[0].localPath, "C:\\Temp\\setup.exe");
  EXPECT_EQ(list[1].localPath, "C:\\Temp\\setup_2.exe");
  EXPECT_EQ(list[count - 1].localPath, "C:\\Temp\\setup_" + std::to_string(count) + ".exe");
}

TEST_F(ManifestTest, TemporaryFolderWithoutTrailingBackslash) {
  context.tempDirectory = "C:\\Temp";
  const auto list = Parse(Manifest({R"({"name":"installer","url":"http://h/setup.exe"})",
                                    R"({"name":"x","url":"http://h/other.exe"})"}));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].localPath, "C:\\Temp\\_P7_setup.exe");
  EXPECT_EQ(list[1].localPath, "C:\\Tempother.exe");
}

TEST(PackageFileNameTest, LongNamesKeepTheirExtension) {
  const std::string name = PackageFileName("http://h/" + std::string(300, 'a') + ".exe");
  EXPECT_EQ(name.size(), 120u);
  EXPECT_EQ(name.substr(name.size() - 4), ".exe");
}

TEST(PackageFileNameTest, TheCutNeverLeavesATrailingDotOrBlank) {
  const std::string stem(118, 'a');
  const struct {
    std::string url;
    std::string name;
  } cases[] = {
      {"http://h/" + stem + "b bbbbbb", stem + "b"},
      {"http://h/" + stem + "b. bbbbbbbbbbbbbbbbbbbbbbbb", stem + "b"},
      {"http://h/" + stem + "b.bbbbbbbbbbbbbbbbbbbbbbbbbb", stem + "b"},
      {"http://h/" + std::string(200, ' ') + "b", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PackageFileName(c.url), c.name) << c.url;
  }
}

TEST(PackageFileNameTest, BytesThatFormNoCharacterBecomeUnderscores) {
  // Windows would read each as "?", a name it cannot create.
  const struct {
    std::string url;
    std::string name;
  } cases[] = {
      {"http://h/setup\xff.exe", "setup_.exe"},
      {"http://h/\xe4\xb8\xad.exe", "\xe4\xb8_.exe"},  // UTF-8, read as code page 936
      {"http://h/\xb0\xb2\xd7\xb0\x81", "\xb0\xb2\xd7\xb0_"},
      {"http://h/\xb0\xb2\xd7\xb0.exe", "\xb0\xb2\xd7\xb0.exe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PackageFileName(c.url), c.name) << c.url;
  }
}

}  // namespace
