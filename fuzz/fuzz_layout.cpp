// The layout loader on the headless backend: any text read as a layout against the project's
// skin (so includes and pictures resolve), laid out and painted.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "duilib/dialog_builder.h"
#include "duilib/paint_manager_ui.h"
#include "platform/ui_canvas.h"
#include "skin_archive.h"

namespace {

// Window sizes from the layout, kept small so that painting stays fast.
int Clamped(int length) {
  return length <= 0 ? 200 : std::min(length, 640);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool skinLoaded = DuiLib::CPaintManagerUI::SetResourceZip(kSkinZip, sizeof kSkinZip);
  (void)skinLoaded;
  const std::string xml(reinterpret_cast<const char*>(data), size);
  DuiLib::CPaintManagerUI manager;
  DuiLib::CDialogBuilder builder;
  manager.AttachDialog(builder.CreateFromText(xml, L"fuzz.xml", nullptr, &manager));
  const int width = Clamped(manager.GetInitSize().width);
  const int height = Clamped(manager.GetInitSize().height);
  manager.LayOut({width, height});
  platform::ui::Surface surface(width, height);
  manager.Paint(surface, {0, 0, width, height});
  return 0;
}
