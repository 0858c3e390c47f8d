// Skinned windows on Win32: popup windows whose whole area is client area, painted through a
// memory bitmap, with a window region for rounded corners and a separate layered window
// behind them for the shadow (a layered main window would not show its child controls).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "platform/ui_canvas.h"
#include "platform/ui_window.h"

namespace platform::ui {
namespace {

constexpr wchar_t kShadowClass[] = L"QuilloWindowShadow";

struct WindowData {
  WindowDelegate* delegate = nullptr;
  WindowShape shape;
  HWND shadow = nullptr;
  Size shadowSize;
  bool ownerDisabledByModal = false;
  bool* attached = nullptr;  // set while CreateWindowExW runs
};

std::function<void(WindowHandle)>& ModalHook() {
  static std::function<void(WindowHandle)> hook;
  return hook;
}

LRESULT CALLBACK SkinnedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

WindowData* DataOf(HWND hwnd) {
  if (hwnd == nullptr || !IsWindow(hwnd) ||
      GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(SkinnedWindowProc)) {
    return nullptr;
  }
  return reinterpret_cast<WindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

HWND AsHwnd(WindowHandle window) {
  return static_cast<HWND>(window);
}

bool RegisterOnce(const std::wstring& className, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.count(className) != 0) {
    return true;
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = className.c_str();
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  registered.insert(className);
  return true;
}

// Alpha of the shadow at `distance` pixels outside the window's edge. Under the window it is
// clear: the window hides that part anyway, and a clear area lets the clicks through where
// the system cannot stack the shadow below the window.
uint32_t ShadowAlpha(const WindowShape& shape, double distance) {
  if (distance <= 0) {
    return 0;
  }
  const double fade = std::max(0.0, 1.0 - (distance - 1) / shape.shadowSize);
  return static_cast<uint32_t>(shape.shadowDarkness * fade * fade);
}

// Draws the shadow bitmap for a window of `size` and hands it to the layered window.
void PaintShadow(HWND shadow, const WindowShape& shape, Size size, POINT at) {
  const int s = shape.shadowSize;
  const int width = size.width + 2 * s;
  const int height = size.height + 2 * s;
  Surface surface(width, height);
  uint32_t* pixels = surface.Pixels();
  const uint32_t r = (shape.shadowColor >> 16) & 0xFF;
  const uint32_t g = (shape.shadowColor >> 8) & 0xFF;
  const uint32_t b = shape.shadowColor & 0xFF;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int dx = std::max({s - x, x - (s + size.width) + 1, 0});
      const int dy = std::max({s - y, y - (s + size.height) + 1, 0});
      const uint32_t a = ShadowAlpha(shape, std::sqrt(double(dx * dx + dy * dy)));
      pixels[static_cast<size_t>(y) * width + x] =
          (a << 24) | ((r * a / 255) << 16) | ((g * a / 255) << 8) | (b * a / 255);
    }
  }
  POINT origin{0, 0};
  SIZE extent{width, height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  HDC screen = GetDC(nullptr);
  UpdateLayeredWindow(shadow, screen, &at, &extent, static_cast<HDC>(surface.NativeContext()),
                      &origin, 0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
}

// The shadow window's shape: its whole area less the part the window itself covers, so the
// shadow never hides the window or takes its clicks, whatever the stacking order.
void CutOutWindow(HWND shadow, const WindowShape& shape, Size size) {
  const int s = shape.shadowSize;
  const int left = s - shape.shadowOffset.x;
  const int top = s - shape.shadowOffset.y;
  HRGN outer = CreateRectRgn(0, 0, size.width + 2 * s, size.height + 2 * s);
  HRGN inner = CreateRoundRectRgn(left, top, left + size.width + 1, top + size.height + 1,
                                  shape.cornerWidth, shape.cornerHeight);
  CombineRgn(outer, outer, inner, RGN_DIFF);
  DeleteObject(inner);
  SetWindowRgn(shadow, outer, FALSE);  // the system owns the region from here on
}

// Keeps the shadow window just behind `hwnd`, with its size and visibility.
void FollowWithShadow(HWND hwnd, WindowData& data) {
  if (data.shadow == nullptr) {
    return;
  }
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  if (!::IsWindowVisible(hwnd) || IsIconic(hwnd)) {
    ::ShowWindow(data.shadow, SW_HIDE);
    return;
  }
  const int s = data.shape.shadowSize;
  const POINT at{rect.left - s + data.shape.shadowOffset.x,
                 rect.top - s + data.shape.shadowOffset.y};
  const Size size{rect.right - rect.left, rect.bottom - rect.top};
  if (size.width != data.shadowSize.width || size.height != data.shadowSize.height) {
    data.shadowSize = size;
    PaintShadow(data.shadow, data.shape, size, at);
    CutOutWindow(data.shadow, data.shape, size);
  }
  SetWindowPos(data.shadow, hwnd, at.x, at.y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void ApplyCorners(HWND hwnd, const WindowShape& shape) {
  if (shape.cornerWidth <= 0 && shape.cornerHeight <= 0) {
    SetWindowRgn(hwnd, nullptr, TRUE);
    return;
  }
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  HRGN region = CreateRoundRectRgn(0, 0, rect.right - rect.left + 1, rect.bottom - rect.top + 1,
                                   shape.cornerWidth, shape.cornerHeight);
  SetWindowRgn(hwnd, region, TRUE);  // the system owns the region from here on
}

void Paint(HWND hwnd, WindowData& data) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client{};
  GetClientRect(hwnd, &client);
  Surface surface(client.right, client.bottom);
  const Rect dirty{paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right,
                   paint.rcPaint.bottom};
  data.delegate->OnPaint(surface, dirty);
  BitBlt(dc, dirty.left, dirty.top, dirty.Width(), dirty.Height(),
         static_cast<HDC>(surface.NativeContext()), dirty.left, dirty.top, SRCCOPY);
  EndPaint(hwnd, &paint);
}

void CloseByDefault(HWND hwnd, WindowData& data) {
  // The owner must be enabled before the window goes, or the system activates another
  // program's window instead of it.
  if (data.ownerDisabledByModal) {
    data.ownerDisabledByModal = false;
    ::EnableWindow(GetWindow(hwnd, GW_OWNER), TRUE);
  }
  DestroyWindow(hwnd);
}

LRESULT HandleOwnMessage(HWND hwnd, WindowData& data, UINT message, LPARAM lParam, bool& done) {
  done = true;
  switch (message) {
    case WM_NCCALCSIZE:
      return 0;
    case WM_NCHITTEST: {
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ScreenToClient(hwnd, &point);
      return data.delegate->IsCaptionAt({point.x, point.y}) ? HTCAPTION : HTCLIENT;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(hwnd, data);
      return 0;
    case WM_WINDOWPOSCHANGED:
      FollowWithShadow(hwnd, data);
      break;
    case WM_SIZE:
      ApplyCorners(hwnd, data.shape);
      break;
    case WM_DESTROY:
      if (data.shadow != nullptr) {
        DestroyWindow(data.shadow);
        data.shadow = nullptr;
      }
      break;
    default:
      break;
  }
  done = false;
  return 0;
}

LRESULT CALLBACK SkinnedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* data = static_cast<WindowData*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data));
    *data->attached = true;
    data->delegate->OnWindowAttached(hwnd);
  }
  auto* data = reinterpret_cast<WindowData*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (data == nullptr) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    WindowDelegate* delegate = data->delegate;
    delete data;
    delegate->OnWindowDestroyed();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  bool done = false;
  const LRESULT own = HandleOwnMessage(hwnd, *data, message, lParam, done);
  if (done) {
    return own;
  }
  bool handled = false;
  const intptr_t result = data->delegate->OnWindowMessage(message, wParam, lParam, handled);
  if (handled) {
    return result;
  }
  if (message == WM_CLOSE) {
    CloseByDefault(hwnd, *data);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateShadowWindow() {
  if (!RegisterOnce(kShadowClass, DefWindowProcW)) {
    return nullptr;
  }
  return CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                         kShadowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

int OrZero(int value) {
  return value == kUseDefault ? 0 : value;
}

}  // namespace

WindowHandle CreateSkinnedWindow(const WindowCreateParams& params, WindowDelegate* delegate) {
  if (!RegisterOnce(params.className, SkinnedWindowProc)) {
    return nullptr;
  }
  const DWORD style = (params.style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_POPUP | WS_CLIPCHILDREN;
  auto* data = new WindowData;
  data->delegate = delegate;
  bool attached = false;
  data->attached = &attached;
  HWND hwnd = CreateWindowExW(params.exStyle, params.className.c_str(), params.title.c_str(), style,
                              OrZero(params.x), OrZero(params.y), OrZero(params.width),
                              OrZero(params.height), AsHwnd(params.owner), nullptr,
                              GetModuleHandleW(nullptr), data);
  // Once attached, the window owns `data` and frees it when it goes, even if creation failed.
  if (!attached) {
    delete data;
  } else if (hwnd != nullptr) {
    data->attached = nullptr;
  }
  return hwnd;
}

void DestroySkinnedWindow(WindowHandle window) {
  if (DataOf(AsHwnd(window)) != nullptr) {
    DestroyWindow(AsHwnd(window));
  }
}

bool IsWindowAlive(WindowHandle window) {
  return DataOf(AsHwnd(window)) != nullptr;
}

WindowDelegate* DelegateOf(WindowHandle window) {
  WindowData* data = DataOf(AsHwnd(window));
  return data != nullptr ? data->delegate : nullptr;
}

WindowHandle FindTopLevelWindow(const std::wstring& title) {
  return FindWindowW(nullptr, title.c_str());
}

std::wstring WindowClassName(WindowHandle window) {
  wchar_t name[256] = {};
  GetClassNameW(AsHwnd(window), name, 256);
  return name;
}

std::wstring WindowTitle(WindowHandle window) {
  wchar_t title[512] = {};
  GetWindowTextW(AsHwnd(window), title, 512);
  return title;
}

WindowHandle WindowOwner(WindowHandle window) {
  return GetWindow(AsHwnd(window), GW_OWNER);
}

Rect GetWindowRect(WindowHandle window) {
  RECT rect{};
  ::GetWindowRect(AsHwnd(window), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

void MoveWindow(WindowHandle window, const Rect& outer, bool repaint) {
  ::MoveWindow(AsHwnd(window), outer.left, outer.top, outer.Width(), outer.Height(), repaint);
}

void ShowWindow(WindowHandle window, bool show, bool activate) {
  ::ShowWindow(AsHwnd(window), show ? (activate ? SW_SHOW : SW_SHOWNOACTIVATE) : SW_HIDE);
}

bool IsWindowVisible(WindowHandle window) {
  return ::IsWindowVisible(AsHwnd(window)) != FALSE;
}

void EnableWindow(WindowHandle window, bool enable) {
  if (window != nullptr) {
    ::EnableWindow(AsHwnd(window), enable);
  }
}

bool IsWindowEnabled(WindowHandle window) {
  return ::IsWindowEnabled(AsHwnd(window)) != FALSE;
}

Rect WorkAreaOf(WindowHandle window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(AsHwnd(window), MONITOR_DEFAULTTONEAREST), &info);
  return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

void CenterWindow(WindowHandle window) {
  const HWND owner = GetWindow(AsHwnd(window), GW_OWNER);
  const Rect work = WorkAreaOf(window);
  const bool overOwner = owner != nullptr && ::IsWindowVisible(owner) && !IsIconic(owner);
  const Rect area = overOwner ? GetWindowRect(owner) : work;
  const Rect rect = GetWindowRect(window);
  int left = area.left + (area.Width() - rect.Width()) / 2;
  int top = area.top + (area.Height() - rect.Height()) / 2;
  // Centred over an owner near the screen's edge, the window still stays on the screen.
  left = std::max(work.left, std::min(left, work.right - rect.Width()));
  top = std::max(work.top, std::min(top, work.bottom - rect.Height()));
  SetWindowPos(AsHwnd(window), nullptr, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InvalidateWindow(WindowHandle window) {
  InvalidateRect(AsHwnd(window), nullptr, FALSE);
}

void PaintNow(WindowHandle window) {
  UpdateWindow(AsHwnd(window));
}

void CaptureMouse(WindowHandle window) {
  SetCapture(AsHwnd(window));
}

void ReleaseMouse() {
  ReleaseCapture();
}

void TrackMouseLeave(WindowHandle window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = AsHwnd(window);
  TrackMouseEvent(&track);
}

void SetWindowShape(WindowHandle window, const WindowShape& shape) {
  WindowData* data = DataOf(AsHwnd(window));
  if (data == nullptr) {
    return;
  }
  data->shape = shape;
  ApplyCorners(AsHwnd(window), shape);
  if (shape.shadowSize > 0 && data->shadow == nullptr) {
    data->shadow = CreateShadowWindow();
  }
  data->shadowSize = {};
  FollowWithShadow(AsHwnd(window), *data);
}

void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  PostMessageW(AsHwnd(window), message, wParam, lParam);
}

intptr_t SendWindowMessageNow(WindowHandle window, uint32_t message, uintptr_t wParam,
                              intptr_t lParam) {
  return SendMessageW(AsHwnd(window), message, wParam, lParam);
}

void RunModalLoop(WindowHandle window) {
  const HWND hwnd = AsHwnd(window);
  const HWND owner = GetWindow(hwnd, GW_OWNER);
  WindowData* data = DataOf(hwnd);
  const bool disableOwner = data != nullptr && owner != nullptr && ::IsWindowEnabled(owner);
  if (disableOwner) {
    ::EnableWindow(owner, FALSE);
    data->ownerDisabledByModal = true;
  }
  if (ModalHook()) {
    ModalHook()(window);
  }
  MSG msg{};
  while (IsWindow(hwnd)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // Leave the quit request for the loop outside this one.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (disableOwner && !::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, TRUE);
  }
}

void PumpMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void SetModalLoopHookForTesting(std::function<void(WindowHandle)> hook) {
  ModalHook() = std::move(hook);
}

}  // namespace platform::ui
