#include "duilib/scroll_bar_ui.h"

#include <algorithm>

#include "duilib/attribute_values.h"
#include "duilib/render_engine.h"

namespace DuiLib {
namespace {

constexpr int kMinThumb = 16;
constexpr int kLineStep = 24;

}  // namespace

void CScrollBarUI::SetStyle(const std::map<std::wstring, std::wstring>& style) {
  style_ = style;
  const auto width = style.find(L"width");
  width_ = 0;
  if (width != style.end() && !ParseInt(width->second, width_)) {
    width_ = 0;
  }
}

CScrollBarUI::Rect CScrollBarUI::UpArrow() const {
  return {pos_.left, pos_.top, pos_.right, pos_.top + std::min(width_, pos_.Height() / 2)};
}

CScrollBarUI::Rect CScrollBarUI::DownArrow() const {
  return {pos_.left, pos_.bottom - std::min(width_, pos_.Height() / 2), pos_.right, pos_.bottom};
}

int CScrollBarUI::MaxPosition() const {
  return std::max(0, state_.content - state_.view);
}

int CScrollBarUI::Clamp(int position) const {
  return std::clamp(position, 0, MaxPosition());
}

CScrollBarUI::Rect CScrollBarUI::Thumb() const {
  const int trackTop = UpArrow().bottom;
  const int trackHeight = DownArrow().top - trackTop;
  if (MaxPosition() == 0 || trackHeight <= 0) {
    return {};
  }
  const int height = std::clamp(
      static_cast<int>(static_cast<long long>(trackHeight) * state_.view / state_.content),
      std::min(kMinThumb, trackHeight), trackHeight);
  const int top = trackTop + static_cast<int>(static_cast<long long>(trackHeight - height) *
                                              Clamp(state_.position) / MaxPosition());
  return {pos_.left, top, pos_.right, top + height};
}

CScrollBarUI::Part CScrollBarUI::HitTest(Point point) const {
  if (width_ <= 0 || !pos_.Contains(point)) {
    return Part::kNone;
  }
  if (UpArrow().Contains(point)) {
    return Part::kUp;
  }
  if (DownArrow().Contains(point)) {
    return Part::kDown;
  }
  const Rect thumb = Thumb();
  if (thumb.IsEmpty()) {
    return Part::kNone;
  }
  if (thumb.Contains(point)) {
    return Part::kThumb;
  }
  return point.y < thumb.top ? Part::kTrackAbove : Part::kTrackBelow;
}

int CScrollBarUI::Press(Point point) {
  pressed_ = HitTest(point);
  const int page = std::max(kLineStep, state_.view - kLineStep);
  switch (pressed_) {
    case Part::kUp:
      return Clamp(state_.position - kLineStep);
    case Part::kDown:
      return Clamp(state_.position + kLineStep);
    case Part::kTrackAbove:
      return Clamp(state_.position - page);
    case Part::kTrackBelow:
      return Clamp(state_.position + page);
    case Part::kThumb:
      grabOffset_ = point.y - Thumb().top;
      return state_.position;
    case Part::kNone:
      break;
  }
  return state_.position;
}

int CScrollBarUI::Drag(Point point) const {
  const Rect thumb = Thumb();
  if (pressed_ != Part::kThumb || thumb.IsEmpty()) {
    return state_.position;
  }
  const int trackTop = UpArrow().bottom;
  const int travel = DownArrow().top - trackTop - thumb.Height();
  if (travel <= 0) {
    return state_.position;
  }
  const int offset = point.y - grabOffset_ - trackTop;
  return Clamp(static_cast<int>(static_cast<long long>(offset) * MaxPosition() / travel));
}

bool CScrollBarUI::Hover(Point point) {
  const Part part = HitTest(point);
  const bool changed = part != hot_;
  hot_ = part;
  return changed;
}

bool CScrollBarUI::Leave() {
  const bool changed = hot_ != Part::kNone;
  hot_ = Part::kNone;
  return changed;
}

const std::wstring& CScrollBarUI::Image(const std::wstring& key) const {
  static const std::wstring none;
  const auto found = style_.find(key);
  return found == style_.end() ? none : found->second;
}

const std::wstring& CScrollBarUI::ArrowImage(Part part) const {
  const std::wstring prefix = part == Part::kUp ? L"up" : L"down";
  if (pressed_ == part) {
    return Image(prefix + L"pushedimage");
  }
  return Image(prefix + (hot_ == part ? L"hotimage" : L"normalimage"));
}

void CScrollBarUI::Paint(platform::ui::Surface& surface, const Rect& clip) const {
  if (width_ <= 0 || pos_.IsEmpty()) {
    return;
  }
  CRenderEngine::DrawImageAttribute(surface, Image(L"bkimage"), pos_, clip);
  CRenderEngine::DrawImageAttribute(surface, Image(L"trackimage"),
                                    {pos_.left, UpArrow().bottom, pos_.right, DownArrow().top},
                                    clip);
  // A state picture the skin lacks (such as a missing hot arrow) draws nothing.
  CRenderEngine::DrawImageAttribute(surface, ArrowImage(Part::kUp), UpArrow(), clip);
  CRenderEngine::DrawImageAttribute(surface, ArrowImage(Part::kDown), DownArrow(), clip);
  const Rect thumb = Thumb();
  if (!thumb.IsEmpty()) {
    const std::wstring& image =
        pressed_ == Part::kThumb && !Image(L"thumbpushedimage").empty() ? Image(L"thumbpushedimage")
        : hot_ == Part::kThumb && !Image(L"thumbhotimage").empty()      ? Image(L"thumbhotimage")
                                                                        : Image(L"thumbimage");
    CRenderEngine::DrawImageAttribute(surface, image, thumb, clip);
  }
}

}  // namespace DuiLib
