// Shows the window behaviour the setup's windows build on, through the headless backend:
// notifications of real clicks and their order, the default close button, modal loops that
// disable the owner, caption dragging areas, painting, and messages from other threads.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "duilib/button_ui.h"
#include "duilib/option_ui.h"
#include "duilib/rich_edit_ui.h"
#include "duilib/ui_test_driver.h"
#include "duilib/window_impl_base.h"
#include "platform/ui_canvas.h"
#include "platform/window_messages.h"
#include "skin_fixture.h"

namespace DuiLib {
namespace {

constexpr uint32_t kStyle = 0x10080000;  // visible, with a system menu
constexpr uint32_t kExStyle = 0x100;
constexpr uint32_t kTestMessage = platform::ui::msg::kUser + 1;

// Records what reaches Notify, with the sender's selection state at that moment.
class RecordingWnd : public WindowImplBase {
 public:
  explicit RecordingWnd(std::wstring skin) : skin_(std::move(skin)) {}
  const wchar_t* GetWindowClassName() const override { return L"RecordingWnd"; }
  std::wstring GetSkinFile() override { return skin_; }
  void InitWindow() override { initialised = true; }

  intptr_t HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam) override {
    if (uMsg == kTestMessage) {
      handledValues.push_back(static_cast<int>(wParam));
      return 0;
    }
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  }

  void Notify(TNotifyUI& msg) override {
    auto* option = dynamic_cast<COptionUI*>(msg.pSender);
    std::wstring entry = msg.sType + L":" + msg.pSender->GetName();
    if (option != nullptr) {
      entry += option->IsSelected() ? L":on" : L":off";
    }
    events.push_back(entry);
    WindowImplBase::Notify(msg);
  }

  bool initialised = false;
  std::vector<std::wstring> events;
  std::vector<int> handledValues;

 private:
  std::wstring skin_;
};

class SkinWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { UseProjectSkin(); }
  void TearDown() override { CUiTestDriver::OnModalLoop(nullptr); }
};

TEST_F(SkinWindowTest, CreatingLoadsTheLayoutSizesTheWindowAndRunsInitWindow) {
  RecordingWnd window(L"Frame.xml");
  ASSERT_NE(window.Create(nullptr, L"quillo_trans_Install", kStyle, kExStyle), nullptr);
  EXPECT_TRUE(window.initialised);
  EXPECT_EQ(platform::ui::WindowClassName(window.GetHWND()), L"RecordingWnd");
  EXPECT_EQ(platform::ui::WindowTitle(window.GetHWND()), L"quillo_trans_Install");
  window.CenterWindow();
  const auto rect = CUiTestDriver::WindowRect(window);
  EXPECT_EQ(rect.Width(), 600);
  EXPECT_EQ(rect.Height(), 360);
  const auto work = platform::ui::WorkAreaOf(window.GetHWND());
  EXPECT_EQ(rect.left - work.left, work.right - rect.right);
}

TEST_F(SkinWindowTest, AMissingLayoutFailsTheCreation) {
  RecordingWnd window(L"NoSuchLayout.xml");
  EXPECT_EQ(window.Create(nullptr, L"x", kStyle, kExStyle), nullptr);
  EXPECT_FALSE(window.initialised);
  EXPECT_EQ(window.ShowModal(), -1);
}

TEST_F(SkinWindowTest, AnOptionClickNotifiesClickBeforeAndSelectChangedAfterTheChange) {
  RecordingWnd window(L"Frame.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  ASSERT_TRUE(CUiTestDriver::Click(window, L"licenseOpt"));
  ASSERT_TRUE(CUiTestDriver::Click(window, L"licenseOpt"));
  EXPECT_EQ(window.events,
            (std::vector<std::wstring>{L"click:licenseOpt:off", L"selectchanged:licenseOpt:on",
                                       L"click:licenseOpt:on", L"selectchanged:licenseOpt:off"}));
}

TEST_F(SkinWindowTest, DisabledHiddenAndUnselectedPageControlsTakeNoClicks) {
  RecordingWnd window(L"Frame.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  window.GetPaintManager().FindControl(L"installBtn")->SetEnabled(false);
  EXPECT_TRUE(CUiTestDriver::Click(window, L"installBtn"));
  EXPECT_FALSE(CUiTestDriver::Click(window, L"selectPathBtn"));  // in the hidden panel
  EXPECT_FALSE(CUiTestDriver::Click(window, L"startuseBtn"));    // on page 2
  EXPECT_TRUE(window.events.empty());
  window.GetPaintManager().FindControl(L"installBtn")->SetEnabled(true);
  EXPECT_TRUE(CUiTestDriver::Click(window, L"installBtn"));
  EXPECT_EQ(window.events, std::vector<std::wstring>{L"click:installBtn"});
}

TEST_F(SkinWindowTest, ThePressMustBeReleasedOverTheSameControl) {
  RecordingWnd window(L"Frame.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  namespace msg = platform::ui::msg;
  const auto handle = window.GetHWND();
  platform::ui::SendWindowMessageNow(handle, msg::kLButtonDown, 1,
                                     platform::ui::PackPoint({300, 270}));
  EXPECT_TRUE(
      static_cast<CButtonUI*>(window.GetPaintManager().FindControl(L"installBtn"))->IsPushed());
  platform::ui::SendWindowMessageNow(handle, msg::kLButtonUp, 0,
                                     platform::ui::PackPoint({10, 270}));
  EXPECT_TRUE(window.events.empty());
}

TEST_F(SkinWindowTest, TheCloseButtonClosesAndTheModalLoopReturnsItsCode) {
  RecordingWnd window(L"MsgWnd1.xml");
  window.Create(nullptr, L"WndTip1", kStyle, kExStyle);
  CUiTestDriver::OnModalLoop(
      [](WindowImplBase& shown) { CUiTestDriver::Click(shown, L"closebtn"); });
  EXPECT_EQ(window.ShowModal(), 1);
  EXPECT_EQ(window.GetHWND(), nullptr);
  EXPECT_EQ(window.events, std::vector<std::wstring>{L"click:closebtn"});
}

TEST_F(SkinWindowTest, NestedModalLoopsDisableTheirOwnersUntilTheyClose) {
  RecordingWnd main(L"Frame.xml");
  main.Create(nullptr, L"main", kStyle, kExStyle);
  std::vector<std::string> seen;
  CUiTestDriver::OnModalLoop([&](WindowImplBase& shown) {
    if (&shown == &main) {
      RecordingWnd question(L"MsgWnd2.xml");
      question.Create(main.GetHWND(), L"WndTip2", kStyle, kExStyle);
      question.CenterWindow();
      const auto rect = CUiTestDriver::WindowRect(question);
      const auto owner = CUiTestDriver::WindowRect(main);
      seen.push_back(rect.left - owner.left == owner.right - rect.right ? "centred" : "off");
      seen.push_back(std::to_string(question.ShowModal()));
      seen.push_back(platform::ui::IsWindowEnabled(main.GetHWND()) ? "enabled" : "disabled");
      CUiTestDriver::CloseWindow(main);
      return;
    }
    seen.push_back(platform::ui::IsWindowEnabled(
                       shown.GetHWND() ? platform::ui::WindowOwner(shown.GetHWND()) : nullptr)
                       ? "owner enabled"
                       : "owner disabled");
    shown.Close(7);
  });
  EXPECT_EQ(main.ShowModal(), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"centred", "owner disabled", "7", "enabled"}));
}

TEST_F(SkinWindowTest, RichEditTextAndCharacterFormatsOfASelection) {
  RecordingWnd window(L"agreement.xml");
  window.Create(nullptr, L"WndAgreement", kStyle, kExStyle);
  auto* edit = static_cast<CRichEditUI*>(window.GetPaintManager().FindControl(L"agreementEdit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->IsReadOnly());
  const std::wstring text = L"\t\t\t\t\t\u7528\u6237\u534f\u8bae \u6b22\u8fce\u4f7f\u7528";
  edit->SetText(text);
  EXPECT_EQ(edit->GetText(), text);
  CharFormat format;
  edit->SetSel(-1, -1);
  ASSERT_TRUE(edit->GetSelectionCharFormat(format));
  EXPECT_EQ(format.heightTwips, 13 * 15);  // the layout's font 3, 13 pixels
  EXPECT_EQ(format.color, 0x909090u);
  format.heightTwips = 256;
  format.color = 0x212121;
  edit->SetSel(0, 9);
  ASSERT_TRUE(edit->SetSelectionCharFormat(format));
  CharFormat first;
  CharFormat after;
  ASSERT_TRUE(edit->GetCharFormatAt(8, first));
  ASSERT_TRUE(edit->GetCharFormatAt(10, after));
  EXPECT_EQ(first, (CharFormat{256, 0x212121}));
  EXPECT_EQ(after, (CharFormat{195, 0x909090}));
}

TEST_F(SkinWindowTest, TheAgreementScrollBarIsDrawnFromTheSkinAndScrolls) {
  RecordingWnd window(L"agreement.xml");
  window.Create(nullptr, L"WndAgreement", kStyle, kExStyle);
  auto* edit = static_cast<CRichEditUI*>(window.GetPaintManager().FindControl(L"agreementEdit"));
  std::wstring text;
  for (int line = 0; line < 80; ++line) {
    text += L"\u7b2c" + std::to_wstring(line) + L"\u884c\r\n";
  }
  edit->SetText(text);
  CUiTestDriver::PumpMessages();
  CUiTestDriver::Render(window);  // lays the window out and shows the scroll state
  const CScrollBarUI& bar = edit->GetVerticalScrollBar();
  ASSERT_EQ(bar.GetWidth(), 9);
  EXPECT_EQ(bar.GetPos(), (platform::ui::Rect{578, 46, 587, 333}));
  ASSERT_FALSE(bar.Thumb().IsEmpty());
  EXPECT_EQ(bar.Thumb().top, bar.UpArrow().bottom);
  EXPECT_EQ(edit->GetVerticalScroll().position, 0);

  namespace msg = platform::ui::msg;
  const auto press = [&](platform::ui::Rect part) {
    const auto at =
        platform::ui::PackPoint({(part.left + part.right) / 2, (part.top + part.bottom) / 2});
    platform::ui::SendWindowMessageNow(window.GetHWND(), msg::kMouseMove, 0, at);
    platform::ui::SendWindowMessageNow(window.GetHWND(), msg::kLButtonDown, 1, at);
    platform::ui::SendWindowMessageNow(window.GetHWND(), msg::kLButtonUp, 0, at);
  };
  press(bar.DownArrow());
  const int afterLine = edit->GetVerticalScroll().position;
  EXPECT_GT(afterLine, 0);
  CUiTestDriver::Render(window);
  press({bar.GetPos().left, bar.Thumb().bottom + 2, bar.GetPos().right, bar.Thumb().bottom + 3});
  EXPECT_GT(edit->GetVerticalScroll().position, afterLine);
  EXPECT_TRUE(window.events.empty());  // the bar is no button

  // The skin has no picture for a hot arrow: hovering the arrow shows nothing there.
  const auto up = bar.UpArrow();
  const auto pixel = [&](const platform::ui::Surface& s) {
    return s.Pixels()[(up.top + 4) * s.Width() + up.left + 4];
  };
  platform::ui::SendWindowMessageNow(window.GetHWND(), msg::kMouseMove, 0,
                                     platform::ui::PackPoint({up.left + 4, up.top + 4}));
  EXPECT_EQ(pixel(*CUiTestDriver::Render(window)), 0xFFFFFFFFu);
  platform::ui::SendWindowMessageNow(window.GetHWND(), msg::kMouseMove, 0,
                                     platform::ui::PackPoint({300, 380}));
  const auto arrow = CPaintManagerUI::GetImage(L"agreement\\scrollbar_normal.png");
  ASSERT_NE(arrow, nullptr);
  if ((arrow->pixels[4 * arrow->width + 4] >> 24) == 0xFF) {
    EXPECT_EQ(pixel(*CUiTestDriver::Render(window)), arrow->pixels[4 * arrow->width + 4]);
  }
}

TEST_F(SkinWindowTest, TheCaptionStripDragsExceptOverClickableControls) {
  RecordingWnd window(L"Frame.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  auto& manager = window.GetPaintManager();
  EXPECT_TRUE(manager.IsCaptionAt({100, 100}));
  EXPECT_TRUE(manager.IsCaptionAt({100, 239}));
  EXPECT_FALSE(manager.IsCaptionAt({100, 240}));
  EXPECT_FALSE(manager.IsCaptionAt({570, 20}));   // the close button
  EXPECT_FALSE(manager.IsCaptionAt({300, 280}));  // the install button
}

TEST_F(SkinWindowTest, PaintingDrawsTheLayoutsImagesWhereTheyBelong) {
  RecordingWnd window(L"Frame.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  const auto surface = CUiTestDriver::Render(window);
  const auto pixel = [&](int x, int y) { return surface->Pixels()[y * surface->Width() + x]; };
  const auto image = CPaintManagerUI::GetImage(L"frame\\BG.png");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(pixel(50, 150) | 0xFF000000, image->pixels[150 * image->width + 50] | 0xFF000000);
  EXPECT_EQ(pixel(5, 355), 0xFFFFFFFFu);  // page background below the controls
  const auto button = CPaintManagerUI::GetImage(L"frame\\btn_install_normal.png");
  ASSERT_NE(button, nullptr);
  const uint32_t middle = button->pixels[37 * button->width + 95];
  if ((middle >> 24) == 0xFF) {
    EXPECT_EQ(pixel(205 + 95, 240 + 37), middle);
  }
}

TEST_F(SkinWindowTest, MessagesFromOtherThreadsArriveInOrderAndWaitingSendersBlock) {
  RecordingWnd window(L"MsgWnd1.xml");
  window.Create(nullptr, L"t", kStyle, kExStyle);
  const auto handle = window.GetHWND();
  std::atomic<bool> waitedSenderReturned{false};
  std::thread sender([&] {
    for (int i = 1; i <= 3; ++i) {
      platform::SendWindowMessage(handle, kTestMessage, i, 0, platform::Delivery::kNoWait);
    }
    platform::SendWindowMessage(handle, kTestMessage, 4, 0, platform::Delivery::kWait);
    waitedSenderReturned = true;
  });
  while (window.handledValues.size() < 4) {
    CUiTestDriver::PumpMessages();
    std::this_thread::yield();
  }
  sender.join();
  EXPECT_TRUE(waitedSenderReturned);
  EXPECT_EQ(window.handledValues, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(SkinWindowTest, AWaitingSenderIsReleasedWhenTheWindowGoes) {
  auto window = std::make_unique<RecordingWnd>(L"MsgWnd1.xml");
  window->Create(nullptr, L"t", kStyle, kExStyle);
  const auto handle = window->GetHWND();
  std::atomic<bool> returned{false};
  std::thread sender([&] {
    platform::SendWindowMessage(handle, kTestMessage, 1, 0, platform::Delivery::kWait);
    returned = true;
  });
  window.reset();  // destroys the window without handling the queued message
#ifdef _WIN32
  // Windows hands a message sent to a window that has gone back to its sender when the
  // window's thread next looks at its messages, as its message loop does all the time. The
  // headless backend releases the sender as the window goes, with no help.
  while (!returned) {
    CUiTestDriver::PumpMessages();
    std::this_thread::yield();
  }
#endif
  sender.join();
  CUiTestDriver::PumpMessages();
}

}  // namespace
}  // namespace DuiLib
