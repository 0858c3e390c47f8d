#include "duilib/rich_edit_ui.h"

#include "duilib/attribute_values.h"
#include "duilib/paint_manager_ui.h"

namespace DuiLib {

CRichEditUI::CRichEditUI() {
  textColor_ = 0xFF000000;
}

CRichEditUI::~CRichEditUI() = default;

bool CRichEditUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  bool* flag = name == L"readonly"      ? &options_.readOnly
               : name == L"multiline"   ? &options_.multiline
               : name == L"vscrollbar"  ? &options_.verticalScrollBar
               : name == L"autovscroll" ? &options_.autoVerticalScroll
                                        : nullptr;
  if (flag != nullptr) {
    return ParseBool(value, *flag);
  }
  return CControlUI::SetAttribute(name, value);
}

std::wstring CRichEditUI::GetText() const {
  return native_ != nullptr ? native_->GetText() : CControlUI::GetText();
}

void CRichEditUI::SetText(const std::wstring& text) {
  CControlUI::SetText(text);
  if (native_ != nullptr) {
    native_->SetText(text);
  }
}

void CRichEditUI::SetSel(long start, long end) {
  if (native_ != nullptr) {
    native_->SetSelection(start, end);
  }
}

bool CRichEditUI::GetSelectionCharFormat(CharFormat& format) const {
  if (native_ == nullptr) {
    return false;
  }
  format = native_->GetSelectionFormat();
  return true;
}

bool CRichEditUI::SetSelectionCharFormat(const CharFormat& format) {
  if (native_ == nullptr) {
    return false;
  }
  native_->SetSelectionFormat(format);
  return true;
}

bool CRichEditUI::GetCharFormatAt(long position, CharFormat& format) const {
  if (native_ == nullptr) {
    return false;
  }
  format = native_->FormatAt(position);
  return true;
}

void CRichEditUI::DoInit() {
  if (native_ != nullptr || GetManager() == nullptr) {
    return;
  }
  platform::ui::RichEditOptions options = options_;
  if (options_.verticalScrollBar) {
    scrollBar_.SetStyle(GetManager()->GetScrollBarStyle());
    options.verticalScrollBar = scrollBar_.GetWidth() <= 0;
  }
  options.readOnly = IsReadOnly();
  options.font = GetFontSpec();
  options.textColor = textColor_;
  if ((GetBkColor() >> 24) != 0) {
    options.background = GetBkColor();
  }
  options.textInset = textInset_;
  native_ = platform::ui::RichEdit::Create(GetManager()->GetPaintWindow(), options);
  if (native_ != nullptr) {
    native_->SetText(CControlUI::GetText());
    native_->SetScrollListener([this] { Invalidate(); });
  }
}

void CRichEditUI::SetPos(const Rect& pos) {
  CControlUI::SetPos(pos);
  const int border = GetBorderSize();
  Rect inner = pos.Deflate({border, border, border, border});
  scrollBar_.SetPos({inner.right - scrollBar_.GetWidth(), inner.top, inner.right, inner.bottom});
  inner.right -= scrollBar_.GetWidth();
  if (native_ != nullptr) {
    native_->SetBounds(inner);
  }
}

void CRichEditUI::DoPaint(platform::ui::Surface& surface, const Rect& clip) {
  CControlUI::DoPaint(surface, clip);
  if (native_ != nullptr && scrollBar_.GetWidth() > 0 && IsVisible()) {
    scrollBar_.SetState(native_->GetVerticalScroll());
    scrollBar_.Paint(surface, clip.Intersect(GetPos()));
  }
}

platform::ui::ScrollState CRichEditUI::GetVerticalScroll() const {
  return native_ != nullptr ? native_->GetVerticalScroll() : platform::ui::ScrollState{};
}

CControlUI::Point CRichEditUI::MousePos() const {
  return GetManager() != nullptr ? GetManager()->GetMousePos() : Point{};
}

void CRichEditUI::ScrollTo(int position) {
  if (native_ != nullptr) {
    native_->SetVerticalScroll(position);
    Invalidate();
  }
}

void CRichEditUI::OnButtonDown() {
  if (native_ != nullptr) {
    scrollBar_.SetState(native_->GetVerticalScroll());
    ScrollTo(scrollBar_.Press(MousePos()));
  }
}

void CRichEditUI::OnMouseDrag() {
  if (native_ != nullptr) {
    scrollBar_.SetState(native_->GetVerticalScroll());
    ScrollTo(scrollBar_.Drag(MousePos()));
  }
}

void CRichEditUI::OnButtonUp(bool) {
  scrollBar_.Release();
  Invalidate();
}

void CRichEditUI::OnMouseHover() {
  if (scrollBar_.Hover(MousePos())) {
    Invalidate();
  }
}

void CRichEditUI::OnMouseLeave() {
  if (scrollBar_.Leave()) {
    Invalidate();
  }
}

void CRichEditUI::OnLayoutDone() {
  if (native_ != nullptr) {
    native_->SetVisible(IsVisibleInTree());
  }
}

}  // namespace DuiLib
