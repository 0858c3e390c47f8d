// Shows that the layout loader reports what it cannot use instead of ignoring it silently,
// and that broken layouts, archives and pictures end cleanly.
#include <gtest/gtest.h>

#include <string>

#include "duilib/button_ui.h"
#include "duilib/dialog_builder.h"
#include "duilib/label_ui.h"
#include "duilib/paint_manager_ui.h"
#include "duilib/progress_ui.h"
#include "duilib/render_engine.h"
#include "skin_fixture.h"
#include "zip_fixtures.h"

namespace DuiLib {
namespace {

struct Built {
  CPaintManagerUI manager;
  CControlUI* root = nullptr;
  explicit Built(const std::string& xml) {
    CDialogBuilder builder;
    root = builder.CreateFromText(xml, L"test.xml", nullptr, &manager);
    manager.AttachDialog(root);
  }
  size_t Warnings() const { return manager.GetLayoutWarnings().size(); }
};

TEST(DialogBuilderTest, ReportsUnknownElementsAttributesAndBadValuesAndKeepsTheRest) {
  struct Case {
    const char* body;
    const wchar_t* mentions;
  };
  const Case cases[] = {
      {"<Frobnicator name='x'/>", L"unknown element"},
      {"<Button name='b' colour='#ff000000'/>", L"colour"},
      {"<Button name='b' width='wide'/>", L"width"},
      {"<Label name='b' textcolor='red'/>", L"textcolor"},
      {"<Option name='b' selected='yes'/>", L"selected"},
      {"<Control name='b' bkimage=\"file='a.png' sauce='1,2,3,4'\"/>", L"bkimage"},
      {"<Label name='b'><Label/></Label>", L"holds no child"},
      {"<Include source='missing.xml'/>", L"missing.xml"},
  };
  for (const auto& c : cases) {
    Built built(std::string("<Window size='10,10'><VerticalLayout name='root'>") + c.body +
                "</VerticalLayout></Window>");
    ASSERT_NE(built.root, nullptr) << c.body;
    ASSERT_EQ(built.Warnings(), 1u) << c.body;
    EXPECT_NE(built.manager.GetLayoutWarnings()[0].find(c.mentions), std::wstring::npos) << c.body;
  }
}

TEST(DialogBuilderTest, WindowLevelProblemsAreReported) {
  Built built(
      "<Window size='ten,10' caption='32' shadow='4,300,#333333' bogus='1'>"
      "<Font id='x' size='12'/><Font id='1' size='-3'/><Control/><Control/></Window>");
  EXPECT_EQ(built.Warnings(), 6u);
  EXPECT_EQ(built.manager.GetCaptionHeight(), 32);
  EXPECT_EQ(built.manager.GetInitSize().width, 0);
  EXPECT_NE(built.root, nullptr);
}

TEST(DialogBuilderTest, MalformedOrRootlessLayoutsGiveNoControls) {
  for (const char* xml : {"", "<Window><VerticalLayout>", "<Layout/>", "<Window size='1,1'/>",
                          "\xff\xfe<\x00W\x00"}) {
    Built built(xml);
    EXPECT_EQ(built.root, nullptr) << xml;
    EXPECT_EQ(built.manager.FindControl(L"anything"), nullptr);
  }
}

TEST(DialogBuilderTest, IncludesBringFontsAndControlsAndStopAtTheDepthLimit) {
  UseProjectSkin();
  Built frame("<Window><Include source='font.xml'/><Include source='Frame.xml'/></Window>");
  EXPECT_NE(frame.manager.FindControl(L"installBtn"), nullptr);
  EXPECT_EQ(frame.manager.GetFont(-1).size, 14);
  EXPECT_TRUE(frame.manager.GetFont(5).bold);  // only font.xml has 5

  ASSERT_TRUE(CPaintManagerUI::SetResourceZip(kLoopingLayoutZip, sizeof kLoopingLayoutZip));
  CPaintManagerUI manager;
  CDialogBuilder builder;
  CControlUI* root = builder.Create(L"loop.xml", nullptr, &manager);
  manager.AttachDialog(root);
  EXPECT_NE(root, nullptr);
  ASSERT_FALSE(manager.GetLayoutWarnings().empty());
  EXPECT_NE(manager.GetLayoutWarnings()[0].find(L"too deeply"), std::wstring::npos);
  UseProjectSkin();
}

TEST(DialogBuilderTest, NestingStopsAtTheDepthLimitWithAWarning) {
  // Thousands of levels once overflowed the stack.
  const int levels = 5000;
  std::string xml = "<Window>";
  for (int i = 0; i < levels; ++i) {
    xml += "<VerticalLayout name='v" + std::to_string(i) + "'>";
  }
  for (int i = 0; i < levels; ++i) {
    xml += "</VerticalLayout>";
  }
  Built built(xml + "</Window>");
  ASSERT_NE(built.root, nullptr);
  EXPECT_NE(built.manager.FindControl(L"v31"), nullptr);
  EXPECT_EQ(built.manager.FindControl(L"v32"), nullptr);
  ASSERT_EQ(built.Warnings(), 1u);
  EXPECT_NE(built.manager.GetLayoutWarnings()[0].find(L"v31"), std::wstring::npos);
  EXPECT_NE(built.manager.GetLayoutWarnings()[0].find(L"too deeply"), std::wstring::npos);
}

TEST(DialogBuilderTest, ControlsKeepTheirStateAndIgnoreValuesOutOfRange) {
  Built built(
      "<Window><VerticalLayout><Progress name='p' min='10' max='20' value='15'/>"
      "<Label name='l' text='placeholder' userdata='266'/></VerticalLayout></Window>");
  auto* progress = static_cast<CProgressUI*>(built.manager.FindControl(L"p"));
  for (int value : {9, 21, -1, 1000}) {
    progress->SetValue(value);
    EXPECT_EQ(progress->GetValue(), 15) << value;
  }
  progress->SetValue(20);
  EXPECT_EQ(progress->GetValue(), 20);
  CControlUI* label = built.manager.FindControl(L"l");
  EXPECT_EQ(label->GetUserData(), L"266");
  label->SetText(L"0%");
  EXPECT_EQ(label->GetText(), L"0%");
  label->SetVisible(false);
  EXPECT_FALSE(label->IsVisible());
  EXPECT_FALSE(label->IsVisibleInTree());
}

TEST(DialogBuilderTest, AnUnreadableArchiveOrPictureFailsCleanly) {
  const std::string notZip = "PK\x03\x04 this is not an archive";
  EXPECT_FALSE(CPaintManagerUI::SetResourceZip(notZip.data(), notZip.size()));
  std::string bytes;
  EXPECT_FALSE(CPaintManagerUI::LoadResourceFile(L"Frame.xml", bytes));
  EXPECT_EQ(CPaintManagerUI::GetImage(L"frame\\BG.png"), nullptr);
  EXPECT_FALSE(CPaintManagerUI::SetResourceZip(kSkinZip, sizeof kSkinZip, "secret"));

  UseProjectSkin();
  ASSERT_TRUE(CPaintManagerUI::LoadResourceFile(L"frame\\BG.png", bytes));
  for (size_t keep : {size_t{0}, size_t{8}, size_t{40}, bytes.size() / 2}) {
    EXPECT_EQ(DecodeImage(bytes.substr(0, keep)), nullptr) << keep;
  }
  EXPECT_NE(DecodeImage(bytes), nullptr);
}

TEST(DialogBuilderTest, ImagesAreDrawnWithUnstretchedCornersAndClipped) {
  TImageData image{3, 3, std::vector<uint32_t>(9, 0xFF0000FF)};
  image.pixels[0] = 0xFFFF0000;  // top-left corner red
  image.pixels[4] = 0xFF00FF00;  // middle green
  platform::ui::Surface surface(10, 10);
  CRenderEngine::DrawImage(surface, image, {0, 0, 9, 9}, {0, 0, 3, 3}, {1, 1, 1, 1}, {0, 0, 8, 8});
  const uint32_t* p = surface.Pixels();
  EXPECT_EQ(p[0], 0xFFFF0000u);           // the corner keeps one pixel
  EXPECT_EQ(p[1 * 10 + 1], 0xFF00FF00u);  // the middle stretches
  EXPECT_EQ(p[7 * 10 + 7], 0xFF00FF00u);
  EXPECT_EQ(p[8 * 10 + 8], 0u);           // outside the clip
  EXPECT_EQ(p[0 * 10 + 4], 0xFF0000FFu);  // the edge stretches along
}

}  // namespace
}  // namespace DuiLib
