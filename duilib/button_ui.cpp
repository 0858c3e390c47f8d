#include "duilib/button_ui.h"

#include "duilib/image_attribute.h"
#include "duilib/notify_ui.h"
#include "duilib/paint_manager_ui.h"

namespace DuiLib {

CButtonUI::CButtonUI() {
  textFormat_ = platform::ui::text::kCenter | platform::ui::text::kVCenter;
}

bool CButtonUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  std::wstring* image = name == L"normalimage"     ? &normalImage_
                        : name == L"hotimage"      ? &hotImage_
                        : name == L"pushedimage"   ? &pushedImage_
                        : name == L"disabledimage" ? &disabledImage_
                                                   : nullptr;
  if (image == nullptr) {
    return CLabelUI::SetAttribute(name, value);
  }
  TImageAttribute parsed;
  if (!ParseImageAttribute(value, parsed)) {
    return false;
  }
  *image = value;
  return true;
}

void CButtonUI::OnMouseEnter() {
  hot_ = true;
  Invalidate();
}

void CButtonUI::OnMouseLeave() {
  hot_ = false;
  Invalidate();
}

void CButtonUI::OnButtonDown() {
  pushed_ = true;
  Invalidate();
}

void CButtonUI::OnButtonUp(bool inside) {
  pushed_ = false;
  Invalidate();
  if (inside) {
    Activate();
  }
}

bool CButtonUI::Activate() {
  if (!CLabelUI::Activate() || GetManager() == nullptr) {
    return false;
  }
  GetManager()->SendNotify(this, kNotifyClick);
  return true;
}

const std::wstring& CButtonUI::StateImage() const {
  const std::wstring* image = &normalImage_;
  if (!IsEnabled()) {
    image = &disabledImage_;
  } else if (pushed_) {
    image = pushedImage_.empty() ? &hotImage_ : &pushedImage_;
  } else if (hot_) {
    image = &hotImage_;
  }
  return image->empty() ? normalImage_ : *image;
}

void CButtonUI::PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) {
  DrawImage(surface, StateImage(), clip);
}

}  // namespace DuiLib
