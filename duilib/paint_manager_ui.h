// The toolkit's side of one window: its control tree, fonts, window attributes from the
// layout, layout passes, painting and the mouse. Also holds what all windows share: the
// program instance and the skin archive that layouts and images are read from.
// UI thread only.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "duilib/image_data.h"
#include "platform/ui_canvas.h"
#include "platform/ui_window.h"

namespace DuiLib {

class CControlUI;
class INotifyUI;
class IMessageFilterUI;

class CPaintManagerUI {
 public:
  using Rect = platform::ui::Rect;
  using Size = platform::ui::Size;
  using Point = platform::ui::Point;

  CPaintManagerUI();
  ~CPaintManagerUI();
  CPaintManagerUI(const CPaintManagerUI&) = delete;
  CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

  // The program instance (an HINSTANCE on Windows), kept for the platform's use.
  static void SetInstance(void* instance);
  static void* GetInstance();
  // The program's own folder, ending in a path separator (a backslash on Windows).
  static std::wstring GetInstancePath();
  // Makes the ZIP archive at `data` the source of every later layout and image. The bytes are
  // not copied and must stay valid. A password is not supported: passing one fails. False when
  // the bytes are not a readable archive (windows then find no layouts).
  static bool SetResourceZip(const void* data, size_t size, const char* password = nullptr);
  // Reads a member of the skin archive; backslashes in `path` are read as slashes.
  static bool LoadResourceFile(const std::wstring& path, std::string& bytes);
  // The decoded picture at `path` in the archive, or null when it is missing or no picture.
  static std::shared_ptr<TImageData> GetImage(const std::wstring& path);

  void Init(platform::WindowHandle window);
  platform::WindowHandle GetPaintWindow() const { return window_; }
  // Takes ownership of the tree and initialises its controls.
  void AttachDialog(CControlUI* root);
  CControlUI* GetRoot() const { return root_.get(); }
  CControlUI* FindControl(const std::wstring& name) const;
  // The innermost control under `point` that takes clicks, else null.
  CControlUI* FindClickableAt(Point point) const;

  void AddNotifier(INotifyUI* notifier);
  void RemoveNotifier(INotifyUI* notifier);
  void SendNotify(CControlUI* sender, const std::wstring& type, uintptr_t wParam = 0,
                  intptr_t lParam = 0);
  void AddPreMessageFilter(IMessageFilterUI* filter);

  // Fonts by identifier; -1 and unknown identifiers give the default font.
  void AddFont(int id, const platform::ui::FontSpec& font, bool isDefault);
  platform::ui::FontSpec GetFont(int id) const;

  // Window attributes from the layout.
  Size GetInitSize() const { return initSize_; }
  void SetInitSize(Size size) { initSize_ = size; }
  int GetCaptionHeight() const { return captionHeight_; }
  void SetCaptionHeight(int height) { captionHeight_ = height; }
  const platform::ui::WindowShape& GetShape() const { return shape_; }
  void SetShape(const platform::ui::WindowShape& shape) { shape_ = shape; }
  void SetScrollBarStyle(std::map<std::wstring, std::wstring> attributes);
  const std::map<std::wstring, std::wstring>& GetScrollBarStyle() const { return scrollBarStyle_; }

  // What the layout loader found wrong: unknown elements and attributes, bad values,
  // missing files. Each is also written to the standard error stream.
  void AddLayoutWarning(const std::wstring& warning);
  const std::vector<std::wstring>& GetLayoutWarnings() const { return warnings_; }

  void NeedUpdate();
  void Invalidate();
  // Lays the tree out for a client area of `client`; UpdateLayout uses the window's size
  // (or the layout's size before there is a window) when something changed.
  void LayOut(Size client);
  void UpdateLayout();

  void Paint(platform::ui::Surface& surface, const Rect& dirty);
  // True when a press at `point` should drag the window: inside the caption strip and not
  // on a control that takes clicks.
  bool IsCaptionAt(Point point);
  // The toolkit's handling of mouse and size messages. True when the message was used.
  bool MessageHandler(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
  // Where the mouse was at the last mouse message, in client coordinates.
  Point GetMousePos() const { return mouse_; }

 private:
  bool RunFilters(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);
  void OnMouseMove(Point point);
  void OnMouseLeave();
  void OnButtonDown(Point point);
  void OnButtonUp(Point point);

  platform::WindowHandle window_ = nullptr;
  std::unique_ptr<CControlUI> root_;
  std::vector<INotifyUI*> notifiers_;
  std::vector<IMessageFilterUI*> filters_;
  std::map<int, platform::ui::FontSpec> fonts_;
  int defaultFont_ = -1;
  Size initSize_;
  int captionHeight_ = 0;
  platform::ui::WindowShape shape_;
  std::map<std::wstring, std::wstring> scrollBarStyle_;
  std::vector<std::wstring> warnings_;
  bool needUpdate_ = true;
  CControlUI* hot_ = nullptr;
  CControlUI* pressed_ = nullptr;
  Point mouse_;
};

}  // namespace DuiLib
