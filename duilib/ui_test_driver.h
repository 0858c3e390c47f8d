// Drives skinned windows from tests the way a user would, on either backend: clicks go
// through the window's real mouse handling, closes through its real close handling.
//
// Typical use with code that shows a window modally:
//   CUiTestDriver::OnModalLoop([](WindowImplBase& w) {
//     if (std::wstring(w.GetWindowClassName()) == L"CTipWnd") CUiTestDriver::Click(w, L"yesBtn");
//   });
//   int answer = ConfirmExit(owner);
//   CUiTestDriver::OnModalLoop(nullptr);
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "duilib/window_impl_base.h"
#include "platform/ui_canvas.h"

namespace DuiLib {

class CUiTestDriver {
 public:
  // Moves the mouse onto the middle of the control called `name`, presses and releases the
  // left button there. False when no visible control of that name is on screen; a disabled
  // control is pressed but does nothing, as on screen.
  static bool Click(WindowImplBase& window, const std::wstring& name);
  // Asks the window to close as the system's close command does (modal result 0).
  static void CloseWindow(WindowImplBase& window);
  // Handles every message waiting for the thread's windows (posted closes, messages other
  // threads sent with platform::SendWindowMessage).
  static void PumpMessages();
  // Runs `script` each time a modal loop starts, with the window it runs; empty to stop.
  // The script usually clicks or closes; the loop then handles what that posted.
  static void OnModalLoop(std::function<void(WindowImplBase&)> script);
  // The window's outer rectangle in screen coordinates.
  static platform::ui::Rect WindowRect(const WindowImplBase& window);
  // The window's pixels as they would be painted now.
  static std::unique_ptr<platform::ui::Surface> Render(WindowImplBase& window);
};

}  // namespace DuiLib
