// Pages on top of each other, of which only the selected one is visible.
#pragma once

#include "duilib/container_ui.h"

namespace DuiLib {

class CTabLayoutUI : public CContainerUI {
 public:
  std::wstring GetClass() const override { return L"TabLayout"; }

  int GetCurSel() const { return selected_; }
  // Shows page `index` and hides the others. False, changing nothing, for an index out of
  // range.
  bool SelectItem(int index);

  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;
  void SetPos(const Rect& pos) override;

 protected:
  void OnChildAdded(CControlUI& child) override;

 private:
  int selected_ = 0;
};

}  // namespace DuiLib
