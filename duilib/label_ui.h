// A control that shows one line of text; with "autocalcwidth" it is as wide as its text.
#pragma once

#include "duilib/control_ui.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
 public:
  std::wstring GetClass() const override { return L"Label"; }
  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;
  Size EstimateSize(Size available) override;
  void SetText(const std::wstring& text) override;

 protected:
  void PaintText(platform::ui::Surface& surface, const Rect& clip) override;

 private:
  bool autoCalcWidth_ = false;
};

}  // namespace DuiLib
