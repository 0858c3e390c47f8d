#include "duilib/progress_ui.h"

#include "duilib/attribute_values.h"
#include "duilib/image_attribute.h"

namespace DuiLib {

bool CProgressUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"foreimage") {
    TImageAttribute image;
    if (!ParseImageAttribute(value, image)) {
      return false;
    }
    foreImage_ = value;
    return true;
  }
  int* number = name == L"min"     ? &min_
                : name == L"max"   ? &max_
                : name == L"value" ? &value_
                                   : nullptr;
  if (number == nullptr) {
    return CLabelUI::SetAttribute(name, value);
  }
  return ParseInt(value, *number);
}

void CProgressUI::SetValue(int value) {
  if (value < min_ || value > max_ || value == value_) {
    return;
  }
  value_ = value;
  Invalidate();
}

void CProgressUI::PaintStatusImage(platform::ui::Surface& surface, const Rect& clip) {
  if (max_ <= min_ || value_ <= min_) {
    return;
  }
  const Rect& pos = GetPos();
  const long long filled = static_cast<long long>(pos.Width()) * (value_ - min_) / (max_ - min_);
  const Rect fill{pos.left, pos.top, pos.left + static_cast<int>(filled), pos.bottom};
  DrawImage(surface, foreImage_, clip.Intersect(fill));
}

}  // namespace DuiLib
