#include "duilib/container_ui.h"

#include "duilib/attribute_values.h"

namespace DuiLib {

void CContainerUI::Add(CControlUI* control) {
  if (control == nullptr) {
    return;
  }
  children_.emplace_back(control);
  control->SetManager(GetManager(), this);
  OnChildAdded(*control);
  NeedParentUpdate();
}

CControlUI* CContainerUI::GetItemAt(int index) const {
  if (index < 0 || index >= GetCount()) {
    return nullptr;
  }
  return children_[static_cast<size_t>(index)].get();
}

std::vector<CControlUI*> CContainerUI::Children() const {
  std::vector<CControlUI*> children;
  for (const auto& child : children_) {
    children.push_back(child.get());
  }
  return children;
}

int CContainerUI::GetItemIndex(const CControlUI* control) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (children_[static_cast<size_t>(i)].get() == control) {
      return i;
    }
  }
  return -1;
}

bool CContainerUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"inset") {
    return ParseRect(value, inset_);
  }
  return CControlUI::SetAttribute(name, value);
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent) {
  CControlUI::SetManager(manager, parent);
  for (auto& child : children_) {
    child->SetManager(manager, this);
  }
}

CControlUI* CContainerUI::FindControl(const std::wstring& name) {
  if (CControlUI* self = CControlUI::FindControl(name)) {
    return self;
  }
  for (auto& child : children_) {
    if (CControlUI* found = child->FindControl(name)) {
      return found;
    }
  }
  return nullptr;
}

CControlUI* CContainerUI::FindControlAt(Point point) {
  if (CControlUI::FindControlAt(point) == nullptr) {
    return nullptr;
  }
  // Later children paint over earlier ones, so they are hit first.
  for (auto child = children_.rbegin(); child != children_.rend(); ++child) {
    if (CControlUI* found = (*child)->FindControlAt(point)) {
      return found;
    }
  }
  return this;
}

void CContainerUI::ForEachControl(const std::function<void(CControlUI&)>& visit) {
  visit(*this);
  for (auto& child : children_) {
    child->ForEachControl(visit);
  }
}

void CContainerUI::DoPaint(platform::ui::Surface& surface, const Rect& clip) {
  const Rect area = clip.Intersect(GetPos());
  if (!IsVisible() || area.IsEmpty()) {
    return;
  }
  CControlUI::DoPaint(surface, clip);
  for (auto& child : children_) {
    child->DoPaint(surface, area);
  }
}

}  // namespace DuiLib
