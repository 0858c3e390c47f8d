// The stand-ins read their command lines and delays as real setups do and refuse anything
// else, so a wrong command line from the setup shows up as a refusal instead of an install.
#include <gtest/gtest.h>

#include <string>

#include "tools/standin_packages/command_line.h"
#include "tools/standin_packages/delay.h"

namespace {

TEST(ArgumentsOf, SkipsTheProgramNameAsWindowsReadsIt) {
  const struct {
    const wchar_t* commandLine;
    const wchar_t* arguments;
  } cases[] = {
      {LR"("C:\Program Files\x\setup.exe" /S /D=C:\a b)", LR"(/S /D=C:\a b)"},
      {LR"(C:\x\setup.exe   /quiet)", L"/quiet"},
      {L"setup.exe\t/quiet", L"/quiet"},
      {LR"("C:\a b\setup.exe"/quiet)", L"/quiet"},
      {LR"("C:\a b\setup.exe)", L""},
      {L"setup.exe", L""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ArgumentsOf(c.commandLine), c.arguments) << c.commandLine;
  }
}

TEST(IsQuietSwitchOnly, AcceptsOnlyTheQuietSwitch) {
  for (const wchar_t* accepted : {L"/quiet", L"/QUIET", L"  /Quiet\t"}) {
    EXPECT_TRUE(IsQuietSwitchOnly(accepted)) << accepted;
  }
  for (const wchar_t* refused :
       {L"", L"/q", L"/passive", L"/quiet /norestart", L"/quietly", L"-quiet", L"quiet"}) {
    EXPECT_FALSE(IsQuietSwitchOnly(refused)) << refused;
  }
}

TEST(ParseSilentInstall, TakesTheRestOfTheLineAsTheFolder) {
  const struct {
    const wchar_t* arguments;
    const wchar_t* folder;
  } cases[] = {
      {LR"(/S /D=C:\Program Files\QuilloPDF)", LR"(C:\Program Files\QuilloPDF)"},
      {LR"(/S /D=C:\Program Files\QuilloPDF\)", LR"(C:\Program Files\QuilloPDF)"},
      {LR"(/S /D=D:\Quillo 转换器\a  b)", LR"(D:\Quillo 转换器\a  b)"},
      {L"/S \t /D=C:\\Quillo  ", LR"(C:\Quillo)"},
      {LR"(/S /D=C:\)", LR"(C:\)"},
  };
  for (const auto& c : cases) {
    std::wstring folder;
    EXPECT_TRUE(ParseSilentInstall(c.arguments, folder)) << c.arguments;
    EXPECT_EQ(folder, c.folder) << c.arguments;
  }
  const std::wstring longest = L"C:\\" + std::wstring(kLongestInstallFolder - 3, L'a');
  std::wstring folder;
  EXPECT_TRUE(ParseSilentInstall(L"/S /D=" + longest, folder));
  EXPECT_EQ(folder, longest);
}

TEST(ParseSilentInstall, RefusesOtherFormsAndUnusableFolders) {
  const std::wstring tooLong = L"/S /D=C:\\" + std::wstring(kLongestInstallFolder, L'a');
  const wchar_t* refused[] = {
      L"",
      L"/S",
      L"/S /D=",
      LR"(/D=C:\Quillo)",
      LR"(/D=C:\Quillo /S)",
      LR"(/s /D=C:\Quillo)",
      LR"(/S /d=C:\Quillo)",
      LR"(/S/D=C:\Quillo)",
      LR"(/S /NCRC /D=C:\Quillo)",
      LR"(/SILENT /D=C:\Quillo)",
      LR"(/S /D="C:\Program Files\Quillo")",
      LR"(/S /D=Quillo)",
      LR"(/S /D=\Quillo)",
      LR"(/S /D=C:Quillo)",
      LR"(/S /D=\\server\share\Quillo)",
      LR"(/S /D=C:\Quillo\..\Windows)",
      LR"(/S /D=C:\.\Quillo)",
      LR"(/S /D=C:\Quillo\\x)",
      LR"(/S /D=C:\Quillo.\x)",
      LR"(/S /D=C:\Quillo|x)",
      LR"(/S /D=C:\Quillo?)",
      LR"(/S /D=C:\Quillo:x)",
      LR"(/S /D=C:/Quillo)",
      L"/S /D=C:\\Quillo\nx",
      LR"(/S /D=1:\Quillo)",
      tooLong.c_str(),
  };
  for (const wchar_t* arguments : refused) {
    std::wstring folder = L"unchanged";
    EXPECT_FALSE(ParseSilentInstall(arguments, folder)) << arguments;
    EXPECT_EQ(folder, L"unchanged") << arguments;
  }
}

TEST(ParseDelayMs, ReadsPlainMillisecondsWithinTheLimit) {
  const struct {
    const wchar_t* text;
    uint32_t delay;
  } cases[] = {
      {L"0", 0},
      {L"250", 250},
      {L"120000", kLongestDelayMs},
      {L"120001", 7},
      {L"99999999999999999999", 7},
      {L"", 7},
      {L"-5", 7},
      {L"1.5", 7},
      {L" 10", 7},
      {L"10s", 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDelayMs(c.text, 7), c.delay) << c.text;
  }
}

}  // namespace
