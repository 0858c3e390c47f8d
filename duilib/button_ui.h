// A clickable label with a picture for each state: normal, hot (mouse over), pushed and
// disabled. A press released over the button sends "click".
#pragma once

#include "duilib/label_ui.h"

namespace DuiLib {

class CButtonUI : public CLabelUI {
 public:
  CButtonUI();
  std::wstring GetClass() const override { return L"Button"; }
  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;

  bool IsClickable() const override { return IsEnabled(); }
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnButtonDown() override;
  void OnButtonUp(bool inside) override;
  bool Activate() override;

  bool IsHot() const { return hot_; }
  bool IsPushed() const { return pushed_; }

 protected:
  void PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) override;
  // The image attribute for the current state, falling back to the normal one.
  const std::wstring& StateImage() const;

 private:
  std::wstring normalImage_;
  std::wstring hotImage_;
  std::wstring pushedImage_;
  std::wstring disabledImage_;
  bool hot_ = false;
  bool pushed_ = false;
};

}  // namespace DuiLib
