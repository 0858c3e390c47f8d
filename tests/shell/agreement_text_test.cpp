// The agreement text read from the program's resource "TXT" 3010.
#include <gtest/gtest.h>

#include <string>

#include "platform/resources.h"
#include "shell/agreement_text.h"
#include "shell_agreement_text.h"

namespace {

TEST(AgreementTextTest, TheResourceIsReadAsGbkUpToItsFirstZeroByte) {
  platform::RegisterResourceForTesting(L"TXT", 3010, "");
  EXPECT_EQ(LoadAgreementText(), L"");
  platform::RegisterResourceForTesting(L"TXT", 3010, std::string("\xD3\xC3\xBB\xA7\0tail", 9));
  EXPECT_EQ(LoadAgreementText(), L"用户");

  platform::RegisterResourceForTesting(
      L"TXT", 3010,
      std::string(reinterpret_cast<const char*>(kAgreementTxt), sizeof kAgreementTxt));
  const std::wstring text = LoadAgreementText();
  EXPECT_EQ(text.substr(0, 11), L"\t\t\t\t\t用户协议\r\n");
  EXPECT_EQ(text.find(L'?'), std::wstring::npos);
  EXPECT_GT(text.size(), 5000u);
}

}  // namespace
