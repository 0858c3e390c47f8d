// A top-level window without system frame whose messages go to an object. Derived classes
// name their window class and handle messages; what they do not handle gets the default
// handling (a close request destroys the window).
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui_window.h"

namespace DuiLib {

class CWindowWnd : public platform::ui::WindowDelegate {
 public:
  CWindowWnd() = default;
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;

  virtual const wchar_t* GetWindowClassName() const = 0;
  virtual intptr_t HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam);
  ~CWindowWnd() override;

  // The window object of a live window made by this class, else null.
  static CWindowWnd* FromHandle(platform::WindowHandle window);

  platform::WindowHandle GetHWND() const { return window_; }
  // Makes the window; the style's caption and frame bits are dropped. Null on failure.
  platform::WindowHandle Create(platform::WindowHandle owner, const wchar_t* name, uint32_t style,
                                uint32_t exStyle, int x = platform::ui::kUseDefault,
                                int y = platform::ui::kUseDefault,
                                int cx = platform::ui::kUseDefault,
                                int cy = platform::ui::kUseDefault, void* menu = nullptr);
  void ShowWindow(bool show = true, bool takeFocus = true);
  // Runs a modal loop until the window is closed; returns the code it was closed with.
  int ShowModal();
  // Asks the window to close; the loop running it then returns `result`.
  void Close(int result = 1);
  // Centres over the owner, or on the work area of the monitor without one.
  void CenterWindow();
  void ResizeClient(int width, int height);

 protected:
  // Called once the window is gone; the object may then be reused or deleted.
  virtual void OnFinalMessage(platform::WindowHandle window) { (void)window; }

  // platform::ui::WindowDelegate
  void OnWindowAttached(platform::WindowHandle window) override { window_ = window; }
  intptr_t OnWindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                           bool& handled) override;
  void OnPaint(platform::ui::Surface&, const platform::ui::Rect&) override {}
  bool IsCaptionAt(platform::ui::Point) override { return false; }
  void OnWindowDestroyed() override;

 private:
  platform::WindowHandle window_ = nullptr;
  bool wantsDefault_ = false;
  int modalResult_ = 0;
};

}  // namespace DuiLib
