// A control that hosts the platform's rich-text edit control: single-line or multi-line,
// read-only or editable, with character formats that can be read and applied to a selection.
// A rich edit that the layout disables cannot be edited but can still be scrolled and read.
// With "vscrollbar" and a ScrollBar style in the layout, the toolkit draws the scroll bar
// from the skin's pictures; without a style the platform's own bar shows.
#pragma once

#include <memory>

#include "duilib/control_ui.h"
#include "duilib/scroll_bar_ui.h"
#include "platform/ui_rich_edit.h"

namespace DuiLib {

using CharFormat = platform::ui::CharFormat;

class CRichEditUI : public CControlUI {
 public:
  CRichEditUI();
  ~CRichEditUI() override;
  std::wstring GetClass() const override { return L"RichEdit"; }
  bool SetAttribute(const std::wstring& name, const std::wstring& value) override;

  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  bool IsReadOnly() const { return options_.readOnly || !IsEnabled(); }
  bool IsMultiLine() const { return options_.multiline; }
  bool HasVScrollBar() const { return options_.verticalScrollBar; }

  // Selects characters [start, end); (-1, -1) removes the selection.
  void SetSel(long start, long end);
  // The format of the selection, or at the caret when nothing is selected.
  bool GetSelectionCharFormat(CharFormat& format) const;
  bool SetSelectionCharFormat(const CharFormat& format);
  bool GetCharFormatAt(long position, CharFormat& format) const;

  void DoInit() override;
  void SetPos(const Rect& pos) override;
  void OnLayoutDone() override;
  bool IsClickable() const override { return true; }
  void DoPaint(platform::ui::Surface& surface, const Rect& clip) override;
  void OnButtonDown() override;
  void OnMouseDrag() override;
  void OnButtonUp(bool inside) override;
  void OnMouseHover() override;
  void OnMouseLeave() override;

  platform::ui::ScrollState GetVerticalScroll() const;
  // The skin-drawn scroll bar; its width is 0 when the platform's bar is used.
  const CScrollBarUI& GetVerticalScrollBar() const { return scrollBar_; }

 private:
  void ScrollTo(int position);
  Point MousePos() const;

  CScrollBarUI scrollBar_;
  platform::ui::RichEditOptions options_;
  std::unique_ptr<platform::ui::RichEdit> native_;
};

}  // namespace DuiLib
