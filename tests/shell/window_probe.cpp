// Tells a script what Windows knows of a top-level window found by its title, as shell
// assignments on standard output:
//   window_probe TITLE
//   WINDOW_CLASS=CMainWnd WINDOW_LEFT=212 WINDOW_TOP=204 WINDOW_WIDTH=600 WINDOW_HEIGHT=360
//   WINDOW_VISIBLE=1 WINDOW_ENABLED=1 WINDOW_OWNER=quillo_trans_Install
// Exit code 0 when the window exists, 1 when it does not, 2 for bad arguments.
#include <cstdio>
#include <string>

#include "platform/text_encoding.h"
#include "platform/ui_window.h"

namespace {

// Titles and class names of the setup are plain words; anything else is left out.
std::string Word(const std::wstring& text) {
  std::string word;
  for (const wchar_t c : text) {
    const bool plain = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                       (c >= L'0' && c <= L'9') || c == L'_';
    word += plain ? static_cast<char>(c) : '?';
  }
  return word.empty() ? "-" : word;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    return 2;
  }
  const platform::WindowHandle window =
      platform::ui::FindTopLevelWindow(platform::Utf8ToWide(argv[1]));
  if (window == nullptr) {
    return 1;
  }
  const platform::ui::Rect rect = platform::ui::GetWindowRect(window);
  const platform::WindowHandle owner = platform::ui::WindowOwner(window);
  std::printf(
      "WINDOW_CLASS=%s WINDOW_LEFT=%d WINDOW_TOP=%d WINDOW_WIDTH=%d WINDOW_HEIGHT=%d "
      "WINDOW_VISIBLE=%d WINDOW_ENABLED=%d WINDOW_OWNER=%s\n",
      Word(platform::ui::WindowClassName(window)).c_str(), rect.left, rect.top, rect.Width(),
      rect.Height(), platform::ui::IsWindowVisible(window) ? 1 : 0,
      platform::ui::IsWindowEnabled(window) ? 1 : 0,
      owner != nullptr ? Word(platform::ui::WindowTitle(owner)).c_str() : "-");
  return 0;
}
