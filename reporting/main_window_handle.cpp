#include "reporting/main_window_handle.h"

#include <atomic>

namespace {
std::atomic<platform::WindowHandle> mainWindow{nullptr};
}

platform::WindowHandle MainWindowHandle() {
  return mainWindow.load();
}

void SetMainWindowHandle(platform::WindowHandle window) {
  mainWindow.store(window);
}
