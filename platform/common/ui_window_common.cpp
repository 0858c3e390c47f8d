#include "platform/ui_canvas.h"
#include "platform/ui_window.h"

namespace platform::ui {

std::unique_ptr<Surface> RenderWindowForTesting(WindowHandle window) {
  const Rect rect = GetWindowRect(window);
  auto surface = std::make_unique<Surface>(rect.Width(), rect.Height());
  if (WindowDelegate* delegate = DelegateOf(window)) {
    delegate->OnPaint(*surface, {0, 0, rect.Width(), rect.Height()});
  }
  return surface;
}

}  // namespace platform::ui
