// The project's packed skin archive, installed as the toolkit's resource archive.
#pragma once

#include <memory>
#include <string>

#include "duilib/control_ui.h"
#include "duilib/dialog_builder.h"
#include "duilib/paint_manager_ui.h"
#include "skin_archive.h"

namespace DuiLib {

inline void UseProjectSkin() {
  CPaintManagerUI::SetResourceZip(kSkinZip, sizeof kSkinZip);
}

// A layout built without a window: the controls, fonts and window settings.
struct LoadedLayout {
  CPaintManagerUI manager;
  CControlUI* root = nullptr;

  explicit LoadedLayout(const std::wstring& file) {
    UseProjectSkin();
    CDialogBuilder builder;
    root = builder.Create(file, nullptr, &manager);
    manager.AttachDialog(root);
  }
  CControlUI* Find(const std::wstring& name) const { return manager.FindControl(name); }
};

}  // namespace DuiLib
