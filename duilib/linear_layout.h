// The arithmetic that vertical and horizontal layouts share.
#pragma once

#include <vector>

#include "platform/ui_geometry.h"

namespace DuiLib {

class CControlUI;

struct TLinearItem {
  int fixed = 0;  // 0: flexible
  int marginBefore = 0;
  int marginAfter = 0;
};

// Lengths along the axis for each item: fixed items keep theirs; flexible ones share what
// `available` leaves equally (never below 0), the last taking any remainder.
std::vector<int> DistributeLengths(const std::vector<TLinearItem>& items, int available);

// Places the visible `children` one after another inside `content`, top to bottom when
// `vertical`, else left to right. Across the axis a child keeps its fixed size, else spans
// the content less its margins.
void ArrangeInLine(const std::vector<CControlUI*>& children, const platform::ui::Rect& content,
                   bool vertical);

}  // namespace DuiLib
