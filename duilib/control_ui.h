// The base of every control: name, text, geometry, looks, and the mouse behaviour shared by
// all controls. A plain "Control" element of a layout is one of these (spacers, lines,
// pictures).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui_canvas.h"
#include "platform/ui_geometry.h"

namespace DuiLib {

class CPaintManagerUI;

class CControlUI {
 public:
  using Rect = platform::ui::Rect;
  using Size = platform::ui::Size;
  using Point = platform::ui::Point;

  CControlUI() = default;
  virtual ~CControlUI() = default;
  CControlUI(const CControlUI&) = delete;
  CControlUI& operator=(const CControlUI&) = delete;

  // The layout element name of the control's type.
  virtual std::wstring GetClass() const { return L"Control"; }

  const std::wstring& GetName() const { return name_; }
  void SetName(const std::wstring& name) { name_ = name; }
  virtual std::wstring GetText() const { return text_; }
  virtual void SetText(const std::wstring& text);
  const std::wstring& GetUserData() const { return userData_; }
  void SetUserData(const std::wstring& data) { userData_ = data; }

  bool IsVisible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool IsEnabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // Fixed size; 0 means the parent layout decides.
  int GetFixedWidth() const { return fixedWidth_; }
  int GetFixedHeight() const { return fixedHeight_; }
  void SetFixedWidth(int width);
  void SetFixedHeight(int height);
  // Space kept free around the control inside its parent (left, top, right, bottom).
  const Rect& GetMargin() const { return margin_; }
  // Position in the window's client area, set by the parent's layout.
  const Rect& GetPos() const { return pos_; }
  virtual void SetPos(const Rect& pos) { pos_ = pos; }
  // The size the control wants; 0 for a side the parent should decide.
  virtual Size EstimateSize(Size available);

  // Sets one layout attribute. False when the name is unknown to this type or the value is
  // malformed; the control is then unchanged.
  virtual bool SetAttribute(const std::wstring& name, const std::wstring& value);

  CControlUI* GetParent() const { return parent_; }
  CPaintManagerUI* GetManager() const { return manager_; }
  virtual void SetManager(CPaintManagerUI* manager, CControlUI* parent);
  // Called once the window exists, after the whole tree has been built.
  virtual void DoInit() {}
  // This control or a descendant named `name`, else null.
  virtual CControlUI* FindControl(const std::wstring& name);
  // The innermost visible control under `point`, else null.
  virtual CControlUI* FindControlAt(Point point);
  // Calls `visit` for this control and every descendant.
  virtual void ForEachControl(const std::function<void(CControlUI&)>& visit) { visit(*this); }
  // True when the control and all its ancestors are visible.
  bool IsVisibleInTree() const;

  virtual void DoPaint(platform::ui::Surface& surface, const Rect& clip);

  // Controls that take mouse presses: they get the events below and block window dragging.
  virtual bool IsClickable() const { return false; }
  virtual void OnMouseEnter() {}
  virtual void OnMouseLeave() {}
  virtual void OnButtonDown() {}
  virtual void OnButtonUp(bool inside) { (void)inside; }
  // The mouse moved while the button is held on this control, or while it hovers over it;
  // the manager's GetMousePos tells where.
  virtual void OnMouseDrag() {}
  virtual void OnMouseHover() {}
  // What a completed click does. False when the control cannot act now.
  virtual bool Activate() { return IsEnabled() && IsVisible(); }

  void Invalidate();
  // Called after every layout pass of the window, for controls that keep native parts in
  // step with the tree.
  virtual void OnLayoutDone() {}

 protected:
  uint32_t GetBkColor() const { return bkColor_; }
  int GetBorderSize() const { return borderSize_; }
  virtual void PaintBkColor(platform::ui::Surface& surface, const Rect& clip);
  virtual void PaintBkImage(platform::ui::Surface& surface, const Rect& clip);
  virtual void PaintStatusImage(platform::ui::Surface&, const Rect&) {}
  virtual void PaintText(platform::ui::Surface&, const Rect&) {}
  virtual void PaintBorder(platform::ui::Surface& surface, const Rect& clip);
  // Draws an image attribute's value; false when the image is not in the skin.
  bool DrawImage(platform::ui::Surface& surface, const std::wstring& imageText, const Rect& clip);
  // Asks the parent to lay its children out again.
  void NeedParentUpdate();

  // Looks shared by text controls, kept here so that any control can carry a text.
  platform::ui::FontSpec GetFontSpec() const;
  int font_ = -1;  // -1: the window's default font
  uint32_t textColor_ = 0xFF000000;
  uint32_t disabledTextColor_ = 0;
  Rect textInset_;
  unsigned textFormat_ = platform::ui::text::kLeft | platform::ui::text::kVCenter;

 private:
  bool SetTextAttribute(const std::wstring& name, const std::wstring& value);
  bool SetLookAttribute(const std::wstring& name, const std::wstring& value);

  CPaintManagerUI* manager_ = nullptr;
  CControlUI* parent_ = nullptr;
  std::wstring name_;
  std::wstring text_;
  std::wstring userData_;
  bool visible_ = true;
  bool enabled_ = true;
  int fixedWidth_ = 0;
  int fixedHeight_ = 0;
  Rect margin_;
  Rect pos_;
  uint32_t bkColor_ = 0;
  std::wstring bkImage_;
  int borderSize_ = 0;
  uint32_t borderColor_ = 0;
};

}  // namespace DuiLib
