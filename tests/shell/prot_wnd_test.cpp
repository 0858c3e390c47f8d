// The agreement window: the agreement from the program's resource with its title line
// emphasised, a view that cannot be edited, and two buttons that both close it.
#include <gtest/gtest.h>

#include <string>

#include "duilib/rich_edit_ui.h"
#include "duilib/ui_test_driver.h"
#include "platform/ui_window.h"
#include "shell/agreement_text.h"
#include "shell/prot_wnd.h"
#include "shell/window_styles.h"
#include "tests/shell/shell_window_fixture.h"

namespace {

using DuiLib::CUiTestDriver;
using DuiLib::WindowImplBase;

class AgreementWindowTest : public ShellWindowTest {};

TEST_F(AgreementWindowTest, ShowsTheAgreementWithItsTitleLineEmphasised) {
  CProtWnd window;
  ASSERT_NE(window.Create(nullptr, L"WndAgreement", kSkinnedWindowStyle, kSkinnedWindowExStyle),
            nullptr);
  EXPECT_EQ(platform::ui::WindowClassName(window.GetHWND()), L"CAgreementWnd");
  EXPECT_EQ(CUiTestDriver::WindowRect(window).Width(), 612);
  EXPECT_EQ(CUiTestDriver::WindowRect(window).Height(), 410);
  auto* edit =
      dynamic_cast<DuiLib::CRichEditUI*>(window.GetPaintManager().FindControl(L"agreementEdit"));
  ASSERT_NE(edit, nullptr);
  const std::wstring text = LoadAgreementText();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(edit->GetText(), text);
  EXPECT_TRUE(edit->IsReadOnly());
  DuiLib::CharFormat title;
  DuiLib::CharFormat body;
  ASSERT_TRUE(edit->GetCharFormatAt(0, title));
  ASSERT_TRUE(edit->GetCharFormatAt(8, title));
  ASSERT_TRUE(edit->GetCharFormatAt(40, body));
  EXPECT_EQ(title, (DuiLib::CharFormat{256, 0x212121}));
  EXPECT_EQ(body, (DuiLib::CharFormat{13 * 15, 0x909090}));  // the layout's 13-pixel grey font
}

TEST_F(AgreementWindowTest, ConfirmAndCloseBothCloseItAndItShowsTheSameTextAgain) {
  for (const wchar_t* button : {L"confirmBtn", L"closebtn"}) {
    CProtWnd window;
    ASSERT_NE(window.Create(nullptr, L"WndAgreement", kSkinnedWindowStyle, kSkinnedWindowExStyle),
              nullptr);
    std::wstring shown;
    OnModalWindow([&](WindowImplBase& open, const std::wstring&) {
      shown = open.GetPaintManager().FindControl(L"agreementEdit")->GetText();
      EXPECT_TRUE(CUiTestDriver::Click(open, button));
    });
    EXPECT_EQ(window.ShowModal(), 1) << button;
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_EQ(shown, LoadAgreementText());
  }
}

}  // namespace
