// Opens each layout of the packed skin in the skin viewer as a real window under Wine and
// Xvfb, and checks it the way a user meets it: the window's outer size, dragging it by its
// caption strip with the mouse, a real click reaching Notify, and a screenshot kept in the
// build folder (artifacts/skin_viewer) for people to look at.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/detached_process.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/ui_geometry.h"
#include "platform/ui_window.h"

namespace {

using platform::ui::Rect;
using namespace std::chrono_literals;

// Windows programs name Linux files through drive Z:.
std::wstring WindowsPath(const std::string& linuxPath) {
  std::wstring path = L"Z:" + platform::Utf8ToWide(linuxPath);
  for (auto& c : path) {
    c = c == L'/' ? L'\\' : c;
  }
  return path;
}

// Polls `done` for up to `limit`; true once it holds.
template <typename Condition>
bool WaitFor(Condition done, std::chrono::milliseconds limit = 20s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) {
      return false;
    }
    std::this_thread::sleep_for(100ms);
  }
  return true;
}

std::string ReadLog(const std::wstring& path) {
  std::string text;
  platform::ReadWholeFile(path, text);
  return text;
}

// Runs a Linux program (xdotool, import) from inside Wine and waits until it has finished:
// a shell runs it and then writes a marker file, since Wine passes no Linux exit back.
void RunLinux(const std::string& markerDir, const std::vector<std::string>& arguments) {
  static int runs = 0;
  const std::string marker = markerDir + "/done-" + std::to_string(++runs);
  std::string script;
  for (const auto& argument : arguments) {
    script += "'" + argument + "' ";
  }
  script += "; touch '" + marker + "'";
  ASSERT_TRUE(platform::StartDetachedProcess(
      {WindowsPath("/bin/sh"), L"-c", platform::Utf8ToWide(script)}));
  ASSERT_TRUE(WaitFor([&] { return platform::PathExists(WindowsPath(marker)); })) << arguments[0];
  platform::RemoveFile(platform::WideToNarrow(WindowsPath(marker)));
}

std::string Num(int value) {
  return std::to_string(value);
}

struct LayoutCase {
  const char* layout;
  int width;
  int height;
  platform::ui::Point button;  // a button's centre in the window, whose click is checked
  const char* buttonName;
  platform::ui::Point closeButton;
  std::vector<std::string> texts;
};

class SkinViewerGuiTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SkinViewerGuiTest, OpensDragsClicksAndIsPhotographed) {
  const LayoutCase& c = GetParam();
  const std::string artifacts = QUILLO_ARTIFACTS_DIR;
  platform::CreateDirectories(WindowsPath(artifacts));
  const std::wstring log = WindowsPath(artifacts + "/" + c.layout + ".log");
  platform::RemoveFile(platform::WideToNarrow(log));
  std::vector<std::wstring> command{WindowsPath(SKIN_VIEWER_EXE), WindowsPath(SKIN_ARCHIVE),
                                    platform::Utf8ToWide(c.layout), log};
  for (const auto& text : c.texts) {
    command.push_back(platform::Utf8ToWide(text));
  }
  ASSERT_TRUE(platform::StartDetachedProcess(command));

  const std::wstring title = L"SkinViewer " + platform::Utf8ToWide(c.layout);
  platform::WindowHandle window = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (window = platform::ui::FindTopLevelWindow(title)) != nullptr; }));
  ASSERT_TRUE(WaitFor([&] { return ReadLog(log).find("opened") != std::string::npos; }));
  EXPECT_EQ(ReadLog(log).find("warning"), std::string::npos) << ReadLog(log);
  std::this_thread::sleep_for(500ms);  // let the first paint reach the screen

  const Rect before = platform::ui::GetWindowRect(window);
  EXPECT_EQ(before.Width(), c.width);
  EXPECT_EQ(before.Height(), c.height);

  const int margin = 12;  // room for the shadow
  const std::string shot = artifacts + "/" + c.layout + ".png";
  RunLinux(artifacts, {"/usr/bin/import", "-window", "root", "-crop",
                       Num(before.Width() + 2 * margin) + "x" + Num(before.Height() + 2 * margin) +
                           "+" + Num(before.left - margin) + "+" + Num(before.top - margin),
                       "+repage", shot});
  EXPECT_TRUE(WaitFor([&] { return platform::PathExists(WindowsPath(shot)); }));

  // Drag by a point of the caption strip that is on no button: 8 px in from the left.
  const int grabX = before.left + 8;
  const int grabY = before.top + 6;
  RunLinux(artifacts, {"/usr/bin/xdotool",
                       "mousemove",
                       Num(grabX),
                       Num(grabY),
                       "sleep",
                       "0.3",
                       "mousedown",
                       "1",
                       "sleep",
                       "0.3",
                       "mousemove",
                       Num(grabX + 20),
                       Num(grabY + 10),
                       "sleep",
                       "0.3",
                       "mousemove",
                       Num(grabX + 40),
                       Num(grabY + 30),
                       "sleep",
                       "0.3",
                       "mouseup",
                       "1"});
  EXPECT_TRUE(WaitFor(
      [&] {
        const Rect now = platform::ui::GetWindowRect(window);
        return now.left == before.left + 40 && now.top == before.top + 30;
      },
      10s))
      << "the window did not follow the mouse";

  const Rect moved = platform::ui::GetWindowRect(window);
  RunLinux(artifacts, {"/usr/bin/xdotool", "mousemove", Num(moved.left + c.button.x),
                       Num(moved.top + c.button.y), "sleep", "0.3", "click", "1"});
  const std::string expected = std::string("click ") + c.buttonName;
  EXPECT_TRUE(WaitFor([&] { return ReadLog(log).find(expected) != std::string::npos; }))
      << ReadLog(log);

  // The close button ends the viewer.
  RunLinux(artifacts, {"/usr/bin/xdotool", "mousemove", Num(moved.left + c.closeButton.x),
                       Num(moved.top + c.closeButton.y), "sleep", "0.3", "click", "1"});
  EXPECT_TRUE(WaitFor([&] { return platform::ui::FindTopLevelWindow(title) == nullptr; }, 10s));
  EXPECT_NE(ReadLog(log).find("click closebtn"), std::string::npos);
  if (platform::ui::FindTopLevelWindow(title) != nullptr) {
    platform::ui::PostWindowMessage(window, platform::ui::msg::kClose, 0, 0);  // for the next case
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, SkinViewerGuiTest,
    ::testing::Values(LayoutCase{"Frame.xml",
                                 600,
                                 360,
                                 {300, 277},
                                 "installBtn",
                                 {572, 24},
                                 {"licenseOpt=已经阅读并同意"}},
                      LayoutCase{"agreement.xml",
                                 612,
                                 410,
                                 {306, 372},
                                 "confirmBtn",
                                 {580, 24},
                                 {"agreementEdit="
                                  "\t\t\t\t\t用户协议\r\n欢迎使用本软件。请仔细阅读以下条款。\r\n一"
                                  "、定义\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r"
                                  "\n\r\n二、协议的接受\r\n\r\n\r\n\r\n\r\n\r\n\r\n三、费用"}},
                      LayoutCase{"MsgWnd1.xml",
                                 416,
                                 196,
                                 {208, 148},
                                 "btnOk",
                                 {401, 14},
                                 {"lblText=程序已在运行，请勿重复打开"}},
                      LayoutCase{"MsgWnd2.xml",
                                 416,
                                 196,
                                 {141, 154},
                                 "yesBtn",
                                 {401, 14},
                                 {"lblText=您确定要退出QuilloPDF安装过程？"}}),
    [](const ::testing::TestParamInfo<LayoutCase>& testCase) {
      std::string name = testCase.param.layout;
      return name.substr(0, name.find('.'));
    });

}  // namespace
