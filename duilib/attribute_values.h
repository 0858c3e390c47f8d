// Parsing of the value texts of layout attributes. Each returns false, leaving `out`
// unchanged, when the text is not a value of its kind.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui_geometry.h"

namespace DuiLib {

bool ParseInt(const std::wstring& text, int& out);
// "true" or "false".
bool ParseBool(const std::wstring& text, bool& out);
// "#AARRGGBB" or "#RRGGBB" (opaque), letters of either case.
bool ParseColor(const std::wstring& text, uint32_t& out);
// "a,b" as a size.
bool ParseSize(const std::wstring& text, platform::ui::Size& out);
// "left,top,right,bottom".
bool ParseRect(const std::wstring& text, platform::ui::Rect& out);

}  // namespace DuiLib
