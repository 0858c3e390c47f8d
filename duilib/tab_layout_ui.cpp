#include "duilib/tab_layout_ui.h"

#include "duilib/attribute_values.h"

namespace DuiLib {

bool CTabLayoutUI::SelectItem(int index) {
  if (index < 0 || index >= GetCount()) {
    return false;
  }
  selected_ = index;
  for (int i = 0; i < GetCount(); ++i) {
    GetItemAt(i)->SetVisible(i == index);
  }
  NeedParentUpdate();
  return true;
}

bool CTabLayoutUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"selectedid") {
    int index = 0;
    if (!ParseInt(value, index) || index < 0) {
      return false;
    }
    selected_ = index;
    return true;
  }
  return CContainerUI::SetAttribute(name, value);
}

void CTabLayoutUI::OnChildAdded(CControlUI& child) {
  child.SetVisible(GetItemIndex(&child) == selected_);
}

void CTabLayoutUI::SetPos(const Rect& pos) {
  CControlUI::SetPos(pos);
  const Rect content = ContentRect();
  for (CControlUI* page : Children()) {
    Rect area = content.Deflate(page->GetMargin());
    const Size size = page->EstimateSize({area.Width(), area.Height()});
    if (size.width > 0) {
      area.right = area.left + size.width;
    }
    if (size.height > 0) {
      area.bottom = area.top + size.height;
    }
    page->SetPos(area);
  }
}

}  // namespace DuiLib
