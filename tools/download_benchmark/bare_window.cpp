// bare_window: a plain Win32 window of the setup's size, shown at once and closed two seconds
// later. run_download_benchmark.sh times how long it takes to become visible under Wine, the
// floor for the setup's own start.
#include <windows.h>

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseAfterMs = 2000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"BareWindow";
  RegisterClassW(&windowClass);
  const HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"bare_window", WS_POPUP | WS_VISIBLE, 212, 204,
                      600, 360, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return 1;
  }
  SetTimer(window, kCloseTimer, kCloseAfterMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  return 0;
}
