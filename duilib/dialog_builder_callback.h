// Lets a window supply its own control types to the layout loader.
#pragma once

namespace DuiLib {

class CControlUI;

class IDialogBuilderCallback {
 public:
  virtual ~IDialogBuilderCallback() = default;
  // A new control for the element `className`, or null when it is not one of the window's own.
  virtual CControlUI* CreateControl(const wchar_t* className) = 0;
};

}  // namespace DuiLib
