// A control that owns child controls and paints them inside its own rectangle.
#pragma once

#include <memory>
#include <vector>

#include "duilib/control_ui.h"

namespace DuiLib {

class CContainerUI : public CControlUI {
 public:
  std::wstring GetClass() const override { return L"Container"; }

  // Takes ownership of `control`.
  void Add(CControlUI* control);
  int GetCount() const { return static_cast<int>(children_.size()); }
  CControlUI* GetItemAt(int index) const;
  int GetItemIndex(const CControlUI* control) const;

  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;
  void SetManager(CPaintManagerUI* manager, CControlUI* parent) override;
  CControlUI* FindControl(const std::wstring& name) override;
  CControlUI* FindControlAt(Point point) override;
  void ForEachControl(const std::function<void(CControlUI&)>& visit) override;
  void DoPaint(platform::ui::Surface& surface, const Rect& clip) override;

 protected:
  // The area the children share: the position less the inset.
  Rect ContentRect() const { return GetPos().Deflate(inset_); }
  std::vector<CControlUI*> Children() const;
  virtual void OnChildAdded(CControlUI&) {}

 private:
  std::vector<std::unique_ptr<CControlUI>> children_;
  Rect inset_;
};

}  // namespace DuiLib
