// The headless rich edit keeps its text and one format per character in memory.
#include <algorithm>
#include <vector>

#include "platform/ui_rich_edit.h"

namespace platform::ui {
namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch

class HeadlessRichEdit : public RichEdit {
 public:
  explicit HeadlessRichEdit(const RichEditOptions& options)
      : options_(options),
        defaultFormat_{options.font.size * kTwipsPerPixel, options.textColor & 0xFFFFFF} {}

  void SetBounds(const Rect& bounds) override { bounds_ = bounds; }
  void SetVisible(bool) override {}

  void SetText(const std::wstring& text) override {
    text_ = text;
    formats_.assign(text.size(), defaultFormat_);
    start_ = end_ = 0;
    position_ = 0;
    if (listener_) {
      listener_();
    }
  }
  std::wstring GetText() const override { return text_; }

  void SetSelection(long start, long end) override {
    const long length = static_cast<long>(text_.size());
    if (start < 0) {
      end_ = start_;
      return;
    }
    start_ = std::min(start, length);
    end_ = end < 0 ? length : std::clamp(end, start_, length);
  }

  CharFormat GetSelectionFormat() const override { return FormatAt(start_); }

  void SetSelectionFormat(const CharFormat& format) override {
    std::fill(formats_.begin() + start_, formats_.begin() + end_, format);
  }

  CharFormat FormatAt(long position) const override {
    if (position < 0 || position >= static_cast<long>(formats_.size())) {
      return defaultFormat_;
    }
    return formats_[static_cast<size_t>(position)];
  }

  // Lines are as high as 4/3 of the font size, as the headless text measure has it.
  ScrollState GetVerticalScroll() const override {
    const int lines = 1 + static_cast<int>(std::count(text_.begin(), text_.end(), L'\n'));
    ScrollState state;
    state.view = bounds_.Height() - options_.textInset.top - options_.textInset.bottom;
    state.content = lines * options_.font.size * 4 / 3;
    state.position = position_;
    return state;
  }

  void SetVerticalScroll(int position) override {
    const ScrollState state = GetVerticalScroll();
    position_ = std::clamp(position, 0, std::max(0, state.content - state.view));
  }

  void SetScrollListener(std::function<void()> listener) override {
    listener_ = std::move(listener);
  }

 private:
  RichEditOptions options_;
  Rect bounds_;
  int position_ = 0;
  std::function<void()> listener_;
  CharFormat defaultFormat_;
  std::wstring text_;
  std::vector<CharFormat> formats_;
  long start_ = 0;
  long end_ = 0;
};

}  // namespace

std::unique_ptr<RichEdit> RichEdit::Create(WindowHandle, const RichEditOptions& options) {
  return std::make_unique<HeadlessRichEdit>(options);
}

}  // namespace platform::ui
