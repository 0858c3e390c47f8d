#include "duilib/option_ui.h"

#include "duilib/attribute_values.h"
#include "duilib/image_attribute.h"
#include "duilib/notify_ui.h"
#include "duilib/paint_manager_ui.h"

namespace DuiLib {

bool COptionUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"selected") {
    return ParseBool(value, selected_);
  }
  if (name == L"selectedimage") {
    TImageAttribute image;
    if (!ParseImageAttribute(value, image)) {
      return false;
    }
    selectedImage_ = value;
    return true;
  }
  return CButtonUI::SetAttribute(name, value);
}

void COptionUI::Selected(bool selected, bool sendNotify) {
  if (selected_ == selected) {
    return;
  }
  selected_ = selected;
  Invalidate();
  if (sendNotify && GetManager() != nullptr) {
    GetManager()->SendNotify(this, kNotifySelectChanged);
  }
}

bool COptionUI::Activate() {
  if (!CButtonUI::Activate()) {
    return false;
  }
  Selected(!selected_);
  return true;
}

void COptionUI::PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) {
  if (selected_ && !selectedImage_.empty()) {
    DrawImage(surface, selectedImage_, clip);
    return;
  }
  CButtonUI::PaintStatusImage(surface, clip);
}

}  // namespace DuiLib
