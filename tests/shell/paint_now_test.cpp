// PaintNow brings what waits to be painted to the screen at once, so that a window shows a
// change before its thread blocks (the full progress bar before the finished page).
#include <gtest/gtest.h>

#include "duilib/window_impl_base.h"
#include "platform/ui_window.h"
#include "shell/window_styles.h"
#include "tests/shell/shell_window_fixture.h"

namespace {

class CountingWnd : public DuiLib::WindowImplBase {
 public:
  const wchar_t* GetWindowClassName() const override { return L"CountingWnd"; }
  std::wstring GetSkinFile() override { return L"MsgWnd1.xml"; }
  int paints = 0;

 protected:
  void OnPaint(platform::ui::Surface& surface, const platform::ui::Rect& dirty) override {
    ++paints;
    WindowImplBase::OnPaint(surface, dirty);
  }
};

class PaintNowTest : public ShellWindowTest {};

TEST_F(PaintNowTest, PaintsWhatIsInvalidWithoutTheMessageLoop) {
#ifndef _WIN32
  GTEST_SKIP() << "the headless backend paints only when a test renders a window";
#endif
  CountingWnd window;
  ASSERT_NE(window.Create(nullptr, L"counting", kSkinnedWindowStyle, kSkinnedWindowExStyle),
            nullptr);
  platform::ui::PaintNow(window.GetHWND());
  const int before = window.paints;
  platform::ui::InvalidateWindow(window.GetHWND());
  EXPECT_EQ(window.paints, before) << "nothing is painted before the loop runs";
  platform::ui::PaintNow(window.GetHWND());
  EXPECT_EQ(window.paints, before + 1);
  platform::ui::PaintNow(window.GetHWND());
  EXPECT_EQ(window.paints, before + 1) << "nothing was left to paint";
}

}  // namespace
