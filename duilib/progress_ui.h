// A horizontal bar: the background image is the track, "foreimage" the fill, shown up to
// the share of the range that the value has reached.
#pragma once

#include "duilib/label_ui.h"

namespace DuiLib {

class CProgressUI : public CLabelUI {
 public:
  std::wstring GetClass() const override { return L"Progress"; }
  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;

  int GetMinValue() const { return min_; }
  int GetMaxValue() const { return max_; }
  int GetValue() const { return value_; }
  // Ignored for values outside the range.
  void SetValue(int value);

 protected:
  void PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  std::wstring foreImage_;
};

}  // namespace DuiLib
