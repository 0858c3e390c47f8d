// Shows that the shipped layouts load cleanly from the packed skin archive and hold every
// control the windows look up, with the sizes and geometry the windows rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "duilib/option_ui.h"
#include "duilib/progress_ui.h"
#include "duilib/tab_layout_ui.h"
#include "skin_fixture.h"

namespace DuiLib {
namespace {

using platform::ui::Rect;

struct ExpectedControl {
  const wchar_t* layout;
  const wchar_t* name;
  const wchar_t* type;
};

const ExpectedControl kLookedUp[] = {
    {L"Frame.xml", L"closebtn", L"Button"},
    {L"Frame.xml", L"tabUI", L"TabLayout"},
    {L"Frame.xml", L"installBtn", L"Button"},
    {L"Frame.xml", L"licenseOpt", L"Option"},
    {L"Frame.xml", L"agreementBtn", L"Button"},
    {L"Frame.xml", L"showExtWndOpt", L"Option"},
    {L"Frame.xml", L"extOptions", L"VerticalLayout"},
    {L"Frame.xml", L"instalPathEdit", L"RichEdit"},
    {L"Frame.xml", L"selectPathBtn", L"Button"},
    {L"Frame.xml", L"lblNeedSize", L"Label"},
    {L"Frame.xml", L"lblAvailableSize", L"Label"},
    {L"Frame.xml", L"installPro", L"Progress"},
    {L"Frame.xml", L"progressLbl", L"Label"},
    {L"Frame.xml", L"startuseBtn", L"Button"},
    {L"Frame.xml", L"wnd1", L"VerticalLayout"},
    {L"Frame.xml", L"wnd2", L"VerticalLayout"},
    {L"Frame.xml", L"wnd3", L"VerticalLayout"},
    {L"agreement.xml", L"closebtn", L"Button"},
    {L"agreement.xml", L"confirmBtn", L"Button"},
    {L"agreement.xml", L"agreementEdit", L"RichEdit"},
    {L"MsgWnd1.xml", L"closebtn", L"Button"},
    {L"MsgWnd1.xml", L"lblText", L"Label"},
    {L"MsgWnd1.xml", L"btnOk", L"Button"},
    {L"MsgWnd1.xml", L"lblTitle", L"Label"},
    {L"MsgWnd2.xml", L"closebtn", L"Button"},
    {L"MsgWnd2.xml", L"lblText", L"Label"},
    {L"MsgWnd2.xml", L"yesBtn", L"Button"},
    {L"MsgWnd2.xml", L"noBtn", L"Button"},
    {L"MsgWnd2.xml", L"noTipOpt", L"Option"},
    {L"MsgWnd2.xml", L"labTitle", L"Label"},
    {L"MsgWnd2.xml", L"frame", L"VerticalLayout"},
};

TEST(SkinLayoutTest, EveryLayoutLoadsWithoutWarnings) {
  for (const wchar_t* file : {L"Frame.xml", L"agreement.xml", L"MsgWnd1.xml", L"MsgWnd2.xml"}) {
    LoadedLayout layout(file);
    ASSERT_NE(layout.root, nullptr) << file;
    EXPECT_EQ(layout.manager.GetLayoutWarnings(), std::vector<std::wstring>()) << file;
  }
}

TEST(SkinLayoutTest, EveryControlTheWindowsLookUpIsThereWithItsType) {
  for (const auto& expected : kLookedUp) {
    LoadedLayout layout(expected.layout);
    CControlUI* control = layout.Find(expected.name);
    ASSERT_NE(control, nullptr) << expected.layout << " " << expected.name;
    EXPECT_EQ(control->GetClass(), expected.type) << expected.name;
  }
  EXPECT_EQ(LoadedLayout(L"MsgWnd1.xml").Find(L"yesBtn"), nullptr);
  EXPECT_EQ(LoadedLayout(L"MsgWnd1.xml").Find(L"noTipOpt"), nullptr);
}

TEST(SkinLayoutTest, WindowSettingsOfEachLayout) {
  struct Case {
    const wchar_t* file;
    int width, height, caption, corner, shadow;
    platform::ui::Point offset;
  };
  const Case cases[] = {
      {L"Frame.xml", 600, 360, 240, 0, 4, {0, 0}},
      {L"agreement.xml", 612, 410, 35, 0, 4, {0, 0}},
      {L"MsgWnd1.xml", 416, 196, 32, 2, 5, {0, 0}},
      {L"MsgWnd2.xml", 416, 196, 32, 2, 5, {1, 1}},
  };
  for (const auto& c : cases) {
    LoadedLayout layout(c.file);
    const auto& shape = layout.manager.GetShape();
    EXPECT_EQ(layout.manager.GetInitSize().width, c.width) << c.file;
    EXPECT_EQ(layout.manager.GetInitSize().height, c.height) << c.file;
    EXPECT_EQ(layout.manager.GetCaptionHeight(), c.caption) << c.file;
    EXPECT_EQ(shape.cornerWidth, c.corner) << c.file;
    EXPECT_EQ(shape.cornerHeight, c.corner) << c.file;
    EXPECT_EQ(shape.shadowSize, c.shadow) << c.file;
    EXPECT_EQ(shape.shadowDarkness, 70) << c.file;
    EXPECT_EQ(shape.shadowColor, 0x333333u) << c.file;
    EXPECT_EQ(shape.shadowOffset.x, c.offset.x) << c.file;
    EXPECT_EQ(shape.shadowOffset.y, c.offset.y) << c.file;
  }
}

TEST(SkinLayoutTest, FontListsIncludingTheSharedOne) {
  LoadedLayout frame(L"Frame.xml");
  EXPECT_EQ(frame.manager.GetFont(-1).size, 14);
  EXPECT_EQ(frame.manager.GetFont(1).size, 12);
  EXPECT_TRUE(frame.manager.GetFont(6).underline);
  EXPECT_EQ(frame.manager.GetFont(6).size, 16);
  EXPECT_EQ(frame.manager.GetFont(0).face, L"\u5fae\u8f6f\u96c5\u9ed1");
  LoadedLayout tip(L"MsgWnd2.xml");
  EXPECT_EQ(tip.manager.GetFont(-1).size, 14);
  EXPECT_EQ(tip.manager.GetFont(0).size, 12);
  EXPECT_TRUE(tip.manager.GetFont(5).bold);
  EXPECT_EQ(LoadedLayout(L"agreement.xml").manager.GetFont(3).size, 13);
}

TEST(SkinLayoutTest, MainWindowGeometry) {
  LoadedLayout frame(L"Frame.xml");
  frame.manager.LayOut({600, 360});
  auto* tab = static_cast<CTabLayoutUI*>(frame.Find(L"tabUI"));
  EXPECT_EQ(tab->GetPos(), (Rect{0, 200, 600, 360}));
  EXPECT_EQ(tab->GetCount(), 3);
  EXPECT_EQ(tab->GetCurSel(), 0);
  EXPECT_EQ(tab->GetItemAt(1)->GetName(), L"wnd2");
  EXPECT_EQ(tab->GetItemAt(2)->GetName(), L"wnd3");
  EXPECT_FALSE(frame.Find(L"wnd2")->IsVisible());
  EXPECT_EQ(frame.Find(L"installBtn")->GetPos(), (Rect{205, 240, 395, 314}));
  EXPECT_EQ(frame.Find(L"closebtn")->GetPos(), (Rect{562, 14, 582, 34}));
  EXPECT_EQ(frame.Find(L"licenseOpt")->GetPos().top, 329);
  EXPECT_EQ(frame.Find(L"showExtWndOpt")->GetPos(), (Rect{498, 329, 578, 342}));
  EXPECT_FALSE(static_cast<COptionUI*>(frame.Find(L"licenseOpt"))->IsSelected());

  CControlUI* options = frame.Find(L"extOptions");
  EXPECT_FALSE(options->IsVisible());
  EXPECT_EQ(options->GetFixedHeight(), 110);
  options->SetVisible(true);
  frame.manager.LayOut({600, 470});
  EXPECT_EQ(options->GetPos(), (Rect{22, 360, 578, 470}));
  EXPECT_EQ(frame.Find(L"instalPathEdit")->GetPos().Height(), 28);
  EXPECT_EQ(frame.Find(L"selectPathBtn")->GetPos().right, 578);

  auto* progress = static_cast<CProgressUI*>(frame.Find(L"installPro"));
  EXPECT_EQ(progress->GetMaxValue(), 100);
  EXPECT_EQ(progress->GetValue(), 0);
  tab->SelectItem(1);
  frame.manager.LayOut({600, 266});
  EXPECT_EQ(progress->GetPos(), (Rect{22, 244, 578, 249}));
  EXPECT_EQ(frame.Find(L"progressLbl")->GetPos(), (Rect{478, 220, 578, 233}));
  tab->SelectItem(2);
  frame.manager.LayOut({600, 400});
  // The button fills the last 74 pixels of the 400, whole.
  EXPECT_EQ(frame.Find(L"startuseBtn")->GetPos(), (Rect{205, 326, 395, 400}));
}

TEST(SkinLayoutTest, TipAndAgreementGeometry) {
  LoadedLayout tip(L"MsgWnd2.xml");
  tip.manager.LayOut({416, 196});
  EXPECT_EQ(tip.Find(L"closebtn")->GetPos(), (Rect{397, 10, 406, 19}));
  EXPECT_EQ(tip.Find(L"lblText")->GetPos().top, 69);
  EXPECT_EQ(tip.Find(L"yesBtn")->GetPos(), (Rect{94, 136, 188, 172}));
  EXPECT_EQ(tip.Find(L"noBtn")->GetPos(), (Rect{228, 136, 322, 172}));
  LoadedLayout one(L"MsgWnd1.xml");
  one.manager.LayOut({416, 196});
  EXPECT_EQ(one.Find(L"btnOk")->GetPos(), (Rect{161, 130, 255, 166}));
  LoadedLayout agreement(L"agreement.xml");
  agreement.manager.LayOut({612, 410});
  EXPECT_EQ(agreement.Find(L"agreementEdit")->GetPos(), (Rect{20, 45, 588, 334}));
  EXPECT_EQ(agreement.Find(L"confirmBtn")->GetPos(), (Rect{259, 354, 353, 390}));
}

TEST(SkinLayoutTest, ImagesMissingFromTheArchiveDrawNothing) {
  UseProjectSkin();
  EXPECT_NE(CPaintManagerUI::GetImage(L"frame\\BG.png"), nullptr);
  EXPECT_EQ(CPaintManagerUI::GetImage(L"agreement\\scrollbar_up_down.png"), nullptr);
  LoadedLayout agreement(L"agreement.xml");
  EXPECT_EQ(agreement.manager.GetScrollBarStyle().count(L"uphotimage"), 1u);
  platform::ui::Surface surface(612, 410);
  agreement.manager.LayOut({612, 410});
  agreement.manager.Paint(surface, {0, 0, 612, 410});
}

}  // namespace
}  // namespace DuiLib
