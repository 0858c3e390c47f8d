// The platform's rich-text edit control hosted inside a skinned window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/ui_canvas.h"
#include "platform/ui_geometry.h"
#include "platform/window_messages.h"

namespace platform::ui {

struct CharFormat {
  int heightTwips = 0;  // character height in twentieths of a point
  uint32_t color = 0;   // 0xRRGGBB
  bool operator==(const CharFormat&) const = default;
};

// The vertical scroll state in pixels: the content's height, the visible height and the
// content's offset at the top of the view.
struct ScrollState {
  int position = 0;
  int content = 0;
  int view = 0;
};

struct RichEditOptions {
  bool multiline = false;
  bool readOnly = false;
  bool verticalScrollBar = false;  // the platform's own scroll bar
  bool autoVerticalScroll = false;
  FontSpec font;
  uint32_t textColor = 0xFF000000;  // 0xAARRGGBB
  uint32_t background = 0xFFFFFFFF;
  Rect textInset;  // distance of the text from the control's edges
};

class RichEdit {
 public:
  // A control inside `parent`, hidden until it is given bounds. Null when the platform could
  // not make one.
  static std::unique_ptr<RichEdit> Create(WindowHandle parent, const RichEditOptions& options);
  virtual ~RichEdit() = default;

  // Position in the parent's client coordinates.
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Replaces the text in the options' format and shows it from its start.
  virtual void SetText(const std::wstring& text) = 0;
  virtual std::wstring GetText() const = 0;
  // Selects characters [start, end); start -1 removes the selection and leaves the caret at
  // its start; end -1 means the end of the text.
  virtual void SetSelection(long start, long end) = 0;
  // The format of the selection's first character, or at the caret.
  virtual CharFormat GetSelectionFormat() const = 0;
  virtual void SetSelectionFormat(const CharFormat& format) = 0;
  // The format of the character at `position`.
  virtual CharFormat FormatAt(long position) const = 0;

  // Vertical scrolling, for a scroll bar that the host draws itself.
  virtual ScrollState GetVerticalScroll() const = 0;
  virtual void SetVerticalScroll(int position) = 0;
  // Called after the control may have scrolled by itself (wheel, keys, caret, new text).
  virtual void SetScrollListener(std::function<void()> listener) = 0;
};

}  // namespace platform::ui
