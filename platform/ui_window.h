// Top-level skinned windows: borderless windows whose content a delegate draws, their
// geometry, rounded corners and shadow, and modal message loops.
//
// Windows builds create real windows. POSIX builds run a headless backend: windows exist
// only as records with a position and a size, messages queue up for the UI thread, and
// painting happens only when asked for, so that window logic can be tested without a display.
// All functions are for the UI thread, except PostWindowMessage and the platform's
// SendWindowMessage (window_messages.h), which any thread may call. In the headless backend
// creating a window while none exists installs the message sink (platform::SetMessageSink)
// that queues those messages for the UI thread; a test that wants to watch them installs its
// own sink after creating its first window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui_geometry.h"
#include "platform/window_messages.h"

namespace platform::ui {

class Surface;

// Message numbers are Win32's, so one handler serves both backends.
namespace msg {
inline constexpr uint32_t kCreate = 0x0001;
inline constexpr uint32_t kDestroy = 0x0002;
inline constexpr uint32_t kSize = 0x0005;  // lParam: PackPoint of the new client size
inline constexpr uint32_t kClose = 0x0010;
inline constexpr uint32_t kMouseMove = 0x0200;  // lParam: PackPoint of the client position
inline constexpr uint32_t kLButtonDown = 0x0201;
inline constexpr uint32_t kLButtonUp = 0x0202;
inline constexpr uint32_t kMouseLeave = 0x02A3;
inline constexpr uint32_t kUser = 0x0400;
}  // namespace msg

// CW_USEDEFAULT: let the system (or the layout) choose.
inline constexpr int kUseDefault = static_cast<int>(0x80000000u);

inline intptr_t PackPoint(Point p) {
  return static_cast<intptr_t>((static_cast<uint32_t>(p.x) & 0xFFFF) |
                               ((static_cast<uint32_t>(p.y) & 0xFFFF) << 16));
}
inline Point UnpackPoint(intptr_t packed) {
  const auto bits = static_cast<uint32_t>(packed);
  return {static_cast<int16_t>(bits & 0xFFFF), static_cast<int16_t>(bits >> 16)};
}

// What a skinned window asks of its owner object. Called on the UI thread only.
class WindowDelegate {
 public:
  virtual ~WindowDelegate() = default;
  // The new window's handle, given before any message.
  virtual void OnWindowAttached(WindowHandle window) = 0;
  // Every message of the window but painting. Leaving `handled` false asks for the default
  // handling (a close request then destroys the window).
  virtual intptr_t OnWindowMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                   bool& handled) = 0;
  // Draws the client area into `surface`, which has the client's size.
  virtual void OnPaint(Surface& surface, const Rect& dirty) = 0;
  // True when pressing the mouse at `client` should drag the window.
  virtual bool IsCaptionAt(Point client) = 0;
  // The window is gone; nothing is called after this.
  virtual void OnWindowDestroyed() = 0;
};

struct WindowCreateParams {
  WindowHandle owner = nullptr;
  std::wstring className;
  std::wstring title;
  uint32_t style = 0;  // caption and frame bits are removed: the window has no system frame
  uint32_t exStyle = 0;
  int x = kUseDefault;
  int y = kUseDefault;
  int width = kUseDefault;
  int height = kUseDefault;
};

// Creates the window; the delegate receives msg::kCreate before this returns. Null on failure.
WindowHandle CreateSkinnedWindow(const WindowCreateParams& params, WindowDelegate* delegate);
void DestroySkinnedWindow(WindowHandle window);
bool IsWindowAlive(WindowHandle window);
// The delegate of a live skinned window, else null.
WindowDelegate* DelegateOf(WindowHandle window);
// A top-level window of any program with the title `title`, else null.
WindowHandle FindTopLevelWindow(const std::wstring& title);
std::wstring WindowClassName(WindowHandle window);
std::wstring WindowTitle(WindowHandle window);
WindowHandle WindowOwner(WindowHandle window);

// Outer rectangle in screen coordinates (the client area fills it: there is no frame).
Rect GetWindowRect(WindowHandle window);
void MoveWindow(WindowHandle window, const Rect& outer, bool repaint);
void ShowWindow(WindowHandle window, bool show, bool activate);
bool IsWindowVisible(WindowHandle window);
void EnableWindow(WindowHandle window, bool enable);
bool IsWindowEnabled(WindowHandle window);
// Centres over the owner when it is visible, else on the work area of the window's monitor.
void CenterWindow(WindowHandle window);
Rect WorkAreaOf(WindowHandle window);
void InvalidateWindow(WindowHandle window);
// Paints what is waiting to be painted at once, without the message loop, so that a change
// reaches the screen before the UI thread blocks. Nothing to do in the headless backend.
void PaintNow(WindowHandle window);
// Routes mouse messages to `window` while a button is held down outside it.
void CaptureMouse(WindowHandle window);
void ReleaseMouse();
// Asks for one msg::kMouseLeave when the mouse next leaves the window.
void TrackMouseLeave(WindowHandle window);

struct WindowShape {
  int cornerWidth = 0;  // rounded corners: ellipse width and height, 0 for square corners
  int cornerHeight = 0;
  int shadowSize = 0;        // 0: no shadow
  int shadowDarkness = 0;    // alpha of the shadow next to the window, 0 to 255
  uint32_t shadowColor = 0;  // 0xRRGGBB
  Point shadowOffset;
};
void SetWindowShape(WindowHandle window, const WindowShape& shape);

// Queues a message for `window` and returns at once. Any thread.
void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
// Handles a message at once, on the calling (UI) thread.
intptr_t SendWindowMessageNow(WindowHandle window, uint32_t message, uintptr_t wParam,
                              intptr_t lParam);

// Runs the messages of every window of the thread until `window` is destroyed. The owner is
// disabled meanwhile and enabled again before the window goes.
void RunModalLoop(WindowHandle window);

// Handles every message already waiting for the thread's windows, then returns.
void PumpMessages();

// Paints the whole window into a new surface, as the screen would show it.
std::unique_ptr<Surface> RenderWindowForTesting(WindowHandle window);

// Called with the window each time a modal loop starts, before it waits for messages, so a
// test can click and close what the code under test shows modally. Empty to remove.
void SetModalLoopHookForTesting(std::function<void(WindowHandle)> hook);

}  // namespace platform::ui
