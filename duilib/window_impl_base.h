// A skinned window built from a layout file: creating the window loads the layout named by
// GetSkinFile from the skin archive, applies its window settings (size, caption strip,
// rounded corners, shadow) and then calls InitWindow. Notifications arrive at Notify, whose
// default handling closes the window when a control named "closebtn" is clicked.
#pragma once

#include <string>

#include "duilib/dialog_builder_callback.h"
#include "duilib/message_filter_ui.h"
#include "duilib/notify_pump.h"
#include "duilib/notify_ui.h"
#include "duilib/paint_manager_ui.h"
#include "duilib/query_control_text.h"
#include "duilib/window_wnd.h"

namespace DuiLib {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
 public:
  WindowImplBase() = default;
  intptr_t HandleMessage(uint32_t uMsg, uintptr_t wParam, intptr_t lParam) override;
  ~WindowImplBase() override;
  // Runs once the layout is loaded and the window exists.
  virtual void InitWindow() {}
  // The layout file of the window in the skin archive.
  virtual std::wstring GetSkinFile() = 0;

  void Notify(TNotifyUI& msg) override;
  intptr_t MessageHandler(uint32_t uMsg, uintptr_t wParam, intptr_t lParam, bool& handled) override;
  CControlUI* CreateControl(const wchar_t* className) override;
  std::wstring QueryControlText(const std::wstring& textId,
                                const std::wstring& controlType) override;

  CPaintManagerUI& GetPaintManager() { return m_pm; }

 protected:
  // Builds the controls; -1 (the window is not made) when the layout cannot be loaded.
  virtual intptr_t OnCreate();

  void OnPaint(platform::ui::Surface& surface, const platform::ui::Rect& dirty) override;
  bool IsCaptionAt(platform::ui::Point client) override;

  CPaintManagerUI m_pm;
};

}  // namespace DuiLib
