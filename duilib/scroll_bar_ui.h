// A vertical scroll bar drawn from the window's ScrollBar style, for a control whose
// content scrolls natively. It keeps no position of its own: it shows the state it is given
// and answers a press or a drag with the position the user asks for.
#pragma once

#include <map>
#include <string>

#include "platform/ui_canvas.h"
#include "platform/ui_geometry.h"
#include "platform/ui_rich_edit.h"

namespace DuiLib {

class CScrollBarUI {
 public:
  using Rect = platform::ui::Rect;
  using Point = platform::ui::Point;
  enum class Part { kNone, kUp, kDown, kTrackAbove, kTrackBelow, kThumb };

  void SetStyle(const std::map<std::wstring, std::wstring>& style);
  // The bar's width from the style; 0 when the style names none.
  int GetWidth() const { return width_; }
  void SetPos(const Rect& pos) { pos_ = pos; }
  const Rect& GetPos() const { return pos_; }
  void SetState(const platform::ui::ScrollState& state) { state_ = state; }

  Part HitTest(Point point) const;
  // A press at `point`: the position to scroll to (the current one when nothing changes).
  int Press(Point point);
  // The mouse moved with the button held: the position a dragged thumb asks for.
  int Drag(Point point) const;
  void Release() { pressed_ = Part::kNone; }
  // Tracks the part under the mouse for the hot pictures; true when that changed.
  bool Hover(Point point);
  bool Leave();

  void Paint(platform::ui::Surface& surface, const Rect& clip) const;

  // The parts' rectangles; the thumb's is empty when everything fits.
  Rect UpArrow() const;
  Rect DownArrow() const;
  Rect Thumb() const;

 private:
  int MaxPosition() const;
  int Clamp(int position) const;
  const std::wstring& Image(const std::wstring& key) const;
  const std::wstring& ArrowImage(Part part) const;

  std::map<std::wstring, std::wstring> style_;
  int width_ = 0;
  Rect pos_;
  platform::ui::ScrollState state_;
  Part pressed_ = Part::kNone;
  Part hot_ = Part::kNone;
  int grabOffset_ = 0;  // from the thumb's top to where it was pressed
};

}  // namespace DuiLib
