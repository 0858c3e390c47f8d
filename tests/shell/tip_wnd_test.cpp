// The one-button tip and the exit question: their texts, owners, placement, and the result
// of each way of closing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "duilib/control_ui.h"
#include "duilib/ui_test_driver.h"
#include "platform/ui_window.h"
#include "shell/tip_messages.h"
#include "shell/tip_wnd.h"
#include "shell/window_styles.h"
#include "tests/shell/shell_window_fixture.h"

namespace {

using DuiLib::CUiTestDriver;
using DuiLib::WindowImplBase;

// A window to own the question, as the main window does.
class OwnerWnd : public WindowImplBase {
 public:
  const wchar_t* GetWindowClassName() const override { return L"TestOwner"; }
  std::wstring GetSkinFile() override { return L"Frame.xml"; }
};

// What a test sees of a tip while it is open.
struct SeenTip {
  std::wstring cls;
  std::wstring title;
  std::wstring text;
  platform::WindowHandle owner = nullptr;
  platform::ui::Rect rect;
  bool ownerEnabled = false;
  bool noTipOptVisible = true;
};

SeenTip Look(WindowImplBase& tip, const std::wstring& cls) {
  SeenTip seen;
  seen.cls = cls;
  seen.title = platform::ui::WindowTitle(tip.GetHWND());
  seen.text = TipTextOf(tip);
  seen.owner = platform::ui::WindowOwner(tip.GetHWND());
  seen.rect = CUiTestDriver::WindowRect(tip);
  seen.ownerEnabled = seen.owner != nullptr && platform::ui::IsWindowEnabled(seen.owner);
  DuiLib::CControlUI* noTip = tip.GetPaintManager().FindControl(L"noTipOpt");
  seen.noTipOptVisible = noTip != nullptr && noTip->IsVisible();
  return seen;
}

bool CentredIn(const platform::ui::Rect& inner, const platform::ui::Rect& outer) {
  return std::abs((inner.left - outer.left) - (outer.right - inner.right)) <= 1 &&
         std::abs((inner.top - outer.top) - (outer.bottom - inner.bottom)) <= 1;
}

class TipWindowTest : public ShellWindowTest {};

TEST_F(TipWindowTest, TheExitQuestionAnswersWhichWayItWasClosed) {
  OwnerWnd owner;
  ASSERT_NE(owner.Create(nullptr, L"owner", kSkinnedWindowStyle, kSkinnedWindowExStyle), nullptr);
  owner.CenterWindow();
  const struct {
    const char* how;
    int result;
  } cases[] = {{"yesBtn", TIP_RESULT_YES},
               {"noBtn", TIP_RESULT_NO},
               {"closebtn", TIP_RESULT_CLOSED},
               {"system close", TIP_RESULT_CLOSED}};
  for (const auto& c : cases) {
    SeenTip seen;
    OnModalWindow([&](WindowImplBase& tip, const std::wstring& cls) {
      seen = Look(tip, cls);
      const std::string how = c.how;
      if (how == "system close") {
        CUiTestDriver::CloseWindow(tip);
      } else {
        EXPECT_TRUE(CUiTestDriver::Click(tip, std::wstring(how.begin(), how.end())));
      }
    });
    EXPECT_EQ(ConfirmExit(owner.GetHWND()), c.result) << c.how;
    EXPECT_EQ(seen.cls, L"CTipWnd");
    EXPECT_EQ(seen.title, L"WndTip2");
    EXPECT_EQ(seen.text, L"您确定要退出QuilloPDF安装过程？");
    EXPECT_EQ(seen.owner, owner.GetHWND());
    EXPECT_FALSE(seen.ownerEnabled) << "the owner is disabled while the question is open";
    EXPECT_FALSE(seen.noTipOptVisible);
    EXPECT_EQ(seen.rect.Width(), 416);
    EXPECT_EQ(seen.rect.Height(), 196);
    EXPECT_TRUE(CentredIn(seen.rect, CUiTestDriver::WindowRect(owner)));
    EXPECT_TRUE(platform::ui::IsWindowEnabled(owner.GetHWND()));
  }
}

TEST_F(TipWindowTest, TheOneButtonTipShowsItsTextAndClosesEitherWay) {
  OwnerWnd other;
  ASSERT_NE(other.Create(nullptr, L"other", kSkinnedWindowStyle, kSkinnedWindowExStyle), nullptr);
  for (const wchar_t* button : {L"btnOk", L"closebtn"}) {
    SeenTip seen;
    bool otherEnabled = false;
    OnModalWindow([&](WindowImplBase& tip, const std::wstring& cls) {
      seen = Look(tip, cls);
      otherEnabled = platform::ui::IsWindowEnabled(other.GetHWND());
      EXPECT_TRUE(CUiTestDriver::Click(tip, button));
    });
    ShowTipMessage(L"没有检测到网络，请连接后重试");
    EXPECT_EQ(seen.cls, L"CTipWnd");
    EXPECT_EQ(seen.title, L"WndTip1");
    EXPECT_EQ(seen.text, L"没有检测到网络，请连接后重试");
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_TRUE(otherEnabled) << "a tip without owner disables no other window";
    EXPECT_EQ(seen.rect.Width(), 416);
    EXPECT_EQ(seen.rect.Height(), 196);
    EXPECT_TRUE(CentredIn(seen.rect, platform::ui::WorkAreaOf(other.GetHWND())));
  }
}

TEST_F(TipWindowTest, ALayoutWithoutTheControlsOnlyCloses) {
  CTipWnd tip(L"agreement.xml");
  ASSERT_NE(tip.Create(nullptr, L"WndTip", kSkinnedWindowStyle, kSkinnedWindowExStyle), nullptr);
  tip.SetText(L"nowhere to show this");
  OnModalWindow([](WindowImplBase& shown, const std::wstring&) {
    CUiTestDriver::Click(shown, L"confirmBtn");
  });
  tip.ShowModal();
  EXPECT_EQ(tip.Result(), TIP_RESULT_CLOSED);
  EXPECT_EQ(tip.GetHWND(), nullptr);
}

}  // namespace
