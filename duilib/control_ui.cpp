#include "duilib/control_ui.h"

#include "duilib/attribute_values.h"
#include "duilib/image_attribute.h"
#include "duilib/paint_manager_ui.h"
#include "duilib/render_engine.h"

namespace DuiLib {
namespace {

bool ParseAlign(const std::wstring& value, unsigned& format) {
  namespace text = platform::ui::text;
  const unsigned horizontal = text::kCenter | text::kRight;
  if (value == L"left" || value == L"center" || value == L"right") {
    format &= ~horizontal;
    format |= value == L"center" ? text::kCenter : value == L"right" ? text::kRight : text::kLeft;
    return true;
  }
  return false;
}

bool ParseVAlign(const std::wstring& value, unsigned& format) {
  namespace text = platform::ui::text;
  const unsigned vertical = text::kVCenter | text::kBottom;
  if (value == L"top" || value == L"vcenter" || value == L"bottom") {
    format &= ~vertical;
    format |= value == L"vcenter" ? text::kVCenter : value == L"bottom" ? text::kBottom : 0;
    return true;
  }
  return false;
}

bool IsValidImage(const std::wstring& value) {
  TImageAttribute image;
  return value.empty() || ParseImageAttribute(value, image);
}

}  // namespace

void CControlUI::SetText(const std::wstring& text) {
  if (text_ != text) {
    text_ = text;
    Invalidate();
  }
}

void CControlUI::SetVisible(bool visible) {
  if (visible_ != visible) {
    visible_ = visible;
    NeedParentUpdate();
  }
}

void CControlUI::SetEnabled(bool enabled) {
  if (enabled_ != enabled) {
    enabled_ = enabled;
    Invalidate();
  }
}

void CControlUI::SetFixedWidth(int width) {
  fixedWidth_ = width < 0 ? 0 : width;
  NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int height) {
  fixedHeight_ = height < 0 ? 0 : height;
  NeedParentUpdate();
}

CControlUI::Size CControlUI::EstimateSize(Size) {
  return {fixedWidth_, fixedHeight_};
}

bool CControlUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"name") {
    name_ = value;
    return true;
  }
  if (name == L"text") {
    text_ = value;
    return true;
  }
  if (name == L"userdata") {
    userData_ = value;
    return true;
  }
  if (name == L"width" || name == L"height") {
    int size = 0;
    if (!ParseInt(value, size) || size < 0) {
      return false;
    }
    (name == L"width" ? fixedWidth_ : fixedHeight_) = size;
    return true;
  }
  if (name == L"margin") {
    return ParseRect(value, margin_);
  }
  if (name == L"visible") {
    return ParseBool(value, visible_);
  }
  if (name == L"enabled") {
    return ParseBool(value, enabled_);
  }
  return SetLookAttribute(name, value) || SetTextAttribute(name, value);
}

bool CControlUI::SetLookAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"bkcolor") {
    return ParseColor(value, bkColor_);
  }
  if (name == L"bkimage") {
    bkImage_ = value;
    return IsValidImage(value);
  }
  if (name == L"bordersize") {
    return ParseInt(value, borderSize_);
  }
  if (name == L"bordercolor") {
    return ParseColor(value, borderColor_);
  }
  return false;
}

bool CControlUI::SetTextAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"font") {
    return ParseInt(value, font_);
  }
  if (name == L"textcolor") {
    return ParseColor(value, textColor_);
  }
  if (name == L"disabledtextcolor") {
    return ParseColor(value, disabledTextColor_);
  }
  if (name == L"textinset") {
    return ParseRect(value, textInset_);
  }
  if (name == L"align") {
    return ParseAlign(value, textFormat_);
  }
  if (name == L"valign") {
    return ParseVAlign(value, textFormat_);
  }
  return false;
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent) {
  manager_ = manager;
  parent_ = parent;
}

CControlUI* CControlUI::FindControl(const std::wstring& name) {
  return !name.empty() && name == name_ ? this : nullptr;
}

CControlUI* CControlUI::FindControlAt(Point point) {
  return visible_ && pos_.Contains(point) ? this : nullptr;
}

bool CControlUI::IsVisibleInTree() const {
  for (const CControlUI* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) {
      return false;
    }
  }
  return true;
}

void CControlUI::DoPaint(platform::ui::Surface& surface, const Rect& clip) {
  const Rect area = clip.Intersect(pos_);
  if (!visible_ || area.IsEmpty()) {
    return;
  }
  PaintBkColor(surface, area);
  PaintBkImage(surface, area);
  PaintStatusImage(surface, area);
  PaintText(surface, area);
  PaintBorder(surface, area);
}

void CControlUI::Invalidate() {
  if (manager_ != nullptr) {
    manager_->Invalidate();
  }
}

void CControlUI::NeedParentUpdate() {
  if (manager_ != nullptr) {
    manager_->NeedUpdate();
  }
}

void CControlUI::PaintBkColor(platform::ui::Surface& surface, const Rect& clip) {
  if ((bkColor_ >> 24) != 0) {
    CRenderEngine::FillRect(surface, pos_, bkColor_, clip);
  }
}

void CControlUI::PaintBkImage(platform::ui::Surface& surface, const Rect& clip) {
  DrawImage(surface, bkImage_, clip);
}

void CControlUI::PaintBorder(platform::ui::Surface& surface, const Rect& clip) {
  CRenderEngine::DrawBorder(surface, pos_, borderSize_, borderColor_, clip);
}

bool CControlUI::DrawImage(platform::ui::Surface& surface, const std::wstring& imageText,
                           const Rect& clip) {
  return manager_ != nullptr && CRenderEngine::DrawImageAttribute(surface, imageText, pos_, clip);
}

platform::ui::FontSpec CControlUI::GetFontSpec() const {
  return manager_ != nullptr ? manager_->GetFont(font_) : platform::ui::FontSpec{};
}

}  // namespace DuiLib
