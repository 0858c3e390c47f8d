// A button that stays selected or not (a check box or a toggle). A click sends "click"
// while the old state still holds, then flips the state and sends "selectchanged".
#pragma once

#include "duilib/button_ui.h"

namespace DuiLib {

class COptionUI : public CButtonUI {
 public:
  std::wstring GetClass() const override { return L"Option"; }
  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;

  bool IsSelected() const { return selected_; }
  // Changes the state; sends "selectchanged" when it changed and `sendNotify` is set.
  void Selected(bool selected, bool sendNotify = true);
  bool Activate() override;

 protected:
  void PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) override;

 private:
  bool selected_ = false;
  std::wstring selectedImage_;
};

}  // namespace DuiLib
