// How a layout names an image to draw: either a bare archive path ("frame\BG.png") or
// key='value' pairs: file (the path), dest (where inside the control, left,top,right,bottom),
// source (the part of the picture) and corner (edges kept unstretched when scaling).
#pragma once

#include <string>

#include "platform/ui_geometry.h"

namespace DuiLib {

struct TImageAttribute {
  std::wstring file;
  bool hasDest = false;
  platform::ui::Rect dest;
  bool hasSource = false;
  platform::ui::Rect source;
  platform::ui::Rect corner;

  bool IsEmpty() const { return file.empty(); }
};

// False for a text that is neither form, or names an unknown key or a malformed rectangle.
bool ParseImageAttribute(const std::wstring& text, TImageAttribute& out);

}  // namespace DuiLib
