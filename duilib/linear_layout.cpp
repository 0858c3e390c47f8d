#include "duilib/linear_layout.h"

#include <algorithm>

#include "duilib/control_ui.h"

namespace DuiLib {
namespace {

using platform::ui::Rect;
using platform::ui::Size;

// A rectangle seen along an axis: "along" is y for a vertical line, x for a horizontal one.
struct Axis {
  bool vertical;
  int AlongStart(const Rect& r) const { return vertical ? r.top : r.left; }
  int AlongEnd(const Rect& r) const { return vertical ? r.bottom : r.right; }
  int AcrossStart(const Rect& r) const { return vertical ? r.left : r.top; }
  int AcrossEnd(const Rect& r) const { return vertical ? r.right : r.bottom; }
  int Along(const Size& s) const { return vertical ? s.height : s.width; }
  int Across(const Size& s) const { return vertical ? s.width : s.height; }
  Rect Make(int alongStart, int alongEnd, int acrossStart, int acrossEnd) const {
    return vertical ? Rect{acrossStart, alongStart, acrossEnd, alongEnd}
                    : Rect{alongStart, acrossStart, alongEnd, acrossEnd};
  }
};

}  // namespace

std::vector<int> DistributeLengths(const std::vector<TLinearItem>& items, int available) {
  int used = 0;
  int flexible = 0;
  for (const auto& item : items) {
    used += item.fixed + item.marginBefore + item.marginAfter;
    flexible += item.fixed == 0 ? 1 : 0;
  }
  const int spare = std::max(0, available - used);
  const int share = flexible > 0 ? spare / flexible : 0;
  const int remainder = spare - share * flexible;
  std::vector<int> lengths;
  lengths.reserve(items.size());
  int flexibleLeft = flexible;
  for (const auto& item : items) {
    if (item.fixed != 0) {
      lengths.push_back(item.fixed);
    } else {
      --flexibleLeft;
      lengths.push_back(share + (flexibleLeft == 0 ? remainder : 0));
    }
  }
  return lengths;
}

void ArrangeInLine(const std::vector<CControlUI*>& children, const Rect& content, bool vertical) {
  const Axis axis{vertical};
  std::vector<CControlUI*> shown;
  std::vector<TLinearItem> items;
  std::vector<Size> sizes;
  for (CControlUI* child : children) {
    if (!child->IsVisible()) {
      continue;
    }
    const Size size = child->EstimateSize({content.Width(), content.Height()});
    const Rect& margin = child->GetMargin();
    shown.push_back(child);
    sizes.push_back(size);
    items.push_back({axis.Along(size), axis.AlongStart(margin), axis.AlongEnd(margin)});
  }
  const std::vector<int> lengths =
      DistributeLengths(items, axis.AlongEnd(content) - axis.AlongStart(content));
  int at = axis.AlongStart(content);
  for (size_t i = 0; i < shown.size(); ++i) {
    const Rect& margin = shown[i]->GetMargin();
    at += axis.AlongStart(margin);
    const int acrossStart = axis.AcrossStart(content) + axis.AcrossStart(margin);
    const int across = axis.Across(sizes[i]);
    const int acrossEnd =
        across > 0 ? acrossStart + across : axis.AcrossEnd(content) - axis.AcrossEnd(margin);
    shown[i]->SetPos(axis.Make(at, at + lengths[i], acrossStart, acrossEnd));
    at += lengths[i] + axis.AlongEnd(margin);
  }
}

}  // namespace DuiLib
