// Opens one layout of a skin archive as a real window, for looking at a skin and for the
// toolkit's GUI tests.
//
// Usage: skin_viewer SKIN.zip LAYOUT.xml LOG_FILE [control=text ...]
// The window's title is "SkinViewer LAYOUT.xml". Exit code 0 once the window has been
// closed, 2 for bad arguments or an unreadable archive, 3 when the layout cannot be shown.
#include <string>
#include <vector>

#include "duilib/paint_manager_ui.h"
#include "platform/files.h"
#include "tools/skin_viewer/viewer_wnd.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    return 2;
  }
  std::string archive;
  if (!platform::ReadWholeFile(argv[1], archive) ||
      !DuiLib::CPaintManagerUI::SetResourceZip(archive.data(), archive.size())) {
    return 2;
  }
  const std::wstring layout = argv[2];
  CViewerWnd window(layout, argv[3], std::vector<std::wstring>(argv + 4, argv + argc));
  constexpr uint32_t kVisibleWithSystemMenu = 0x10080000;
  constexpr uint32_t kWindowEdge = 0x100;
  if (window.Create(nullptr, (L"SkinViewer " + layout).c_str(), kVisibleWithSystemMenu,
                    kWindowEdge) == nullptr) {
    return 3;
  }
  window.CenterWindow();
  window.ShowModal();
  return 0;
}
