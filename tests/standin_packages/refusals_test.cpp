// Stand-ins started with any other command line than the setup's refuse it and leave the
// machine as it was, so a wrong command line in the setup cannot pass unnoticed.
#include <gtest/gtest.h>

#include "tests/standin_packages/standin_test_support.h"
#include "tools/standin_packages/exit_codes.h"
#include "tools/standin_packages/machine_registry.h"

namespace {

std::wstring Quoted(const std::wstring& path) {
  return L"\"" + path + L"\"";
}

TEST(Refusals, ProductSetupWritesNothingForOtherCommandLines) {
  const ScopedEnvironment duration(L"QUILLO_STANDIN_SETUP_MS", L"0");
  const std::wstring setup = Quoted(PackageFile(L"QuilloPDF_setup.exe"));
  for (const wchar_t* arguments :
       {L"", L" /S", LR"( /D=C:\Refused)", LR"( /S /X /D=C:\Refused)", LR"( /s /D=C:\Refused)",
        LR"( /S /D="C:\Refused")", LR"( /S /D=Refused)"}) {
    EXPECT_EQ(RunToEnd(setup + arguments), kExitInvalidCommandLine) << arguments;
  }
  EXPECT_FALSE(FolderExists(LR"(C:\Refused)"));
  EXPECT_FALSE(MachineKeyExists(std::wstring(kUninstallKey) + L"\\QuilloPDF转换器"));
}

TEST(Refusals, PrerequisitesWriteNothingWithoutTheQuietSwitch) {
  const ScopedEnvironment vcredist(L"QUILLO_STANDIN_VCREDIST_MS", L"0");
  const ScopedEnvironment dotnet(L"QUILLO_STANDIN_DOTNET_MS", L"0");
  const auto namesBefore = InstalledDisplayNames();
  for (const wchar_t* program : {L"vc_redist2015_x86.exe", L"dotnet4_setup.exe"}) {
    for (const wchar_t* arguments : {L"", L" /passive", L" /quiet /norestart", L" /q"}) {
      EXPECT_EQ(RunToEnd(Quoted(PackageFile(program)) + arguments), kExitInvalidCommandLine)
          << program << arguments;
    }
  }
  EXPECT_EQ(InstalledDisplayNames(), namesBefore);
  EXPECT_FALSE(MachineKeyExists(LR"(SOFTWARE\Microsoft\NET Framework Setup\NDP\v4)"));
}

}  // namespace
