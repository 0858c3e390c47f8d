#include "duilib/label_ui.h"

#include "duilib/attribute_values.h"
#include "duilib/render_engine.h"

namespace DuiLib {

bool CLabelUI::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"autocalcwidth") {
    return ParseBool(value, autoCalcWidth_);
  }
  return CControlUI::SetAttribute(name, value);
}

CControlUI::Size CLabelUI::EstimateSize(Size available) {
  Size size = CControlUI::EstimateSize(available);
  if (autoCalcWidth_) {
    size.width = platform::ui::MeasureText(GetText(), GetFontSpec()).width + textInset_.left +
                 textInset_.right;
  }
  return size;
}

void CLabelUI::SetText(const std::wstring& text) {
  CControlUI::SetText(text);
  if (autoCalcWidth_) {
    NeedParentUpdate();
  }
}

void CLabelUI::PaintText(platform::ui::Surface& surface, const Rect& clip) {
  const bool dimmed = !IsEnabled() && (disabledTextColor_ >> 24) != 0;
  CRenderEngine::DrawText(surface, GetText(), GetPos().Deflate(textInset_), GetFontSpec(),
                          dimmed ? disabledTextColor_ : textColor_,
                          textFormat_ | platform::ui::text::kSingleLine, clip);
}

}  // namespace DuiLib
