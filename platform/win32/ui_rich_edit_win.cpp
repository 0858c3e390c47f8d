// The hosted rich edit: the system's RichEdit 4.1 control (msftedit.dll), or 2.0/3.0
// (riched20.dll) where that is missing.
#include <richedit.h>
#include <windows.h>

#include "platform/ui_rich_edit.h"
#include "platform/win32/gdi_colors.h"
#include "platform/win32/gdi_fonts.h"

namespace platform::ui {
namespace {

constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
constexpr wchar_t kSelfProperty[] = L"QuilloRichEdit";

// Messages after which the control may show another part of its text.
bool MayScroll(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_LBUTTONUP:
      return true;
    case WM_MOUSEMOVE:
      return (wParam & MK_LBUTTON) != 0;
    default:
      return false;
  }
}

const wchar_t* RichEditClass() {
  static const wchar_t* name = [] {
    if (LoadLibraryW(L"msftedit.dll") != nullptr) {
      return L"RICHEDIT50W";
    }
    return LoadLibraryW(L"riched20.dll") != nullptr ? L"RichEdit20W" : nullptr;
  }();
  return name;
}

class Win32RichEdit : public RichEdit {
 public:
  Win32RichEdit(HWND edit, const RichEditOptions& options) : edit_(edit), options_(options) {
    SetPropW(edit_, kSelfProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32RichEdit::Proc)));
    SendMessageW(edit_, EM_SETBKGNDCOLOR, 0, ToColorRef(options.background & 0xFFFFFF));
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(options.font)), FALSE);
    ApplyDefaultFormat();
  }
  ~Win32RichEdit() override {
    listener_ = nullptr;
    if (IsWindow(edit_)) {
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
      RemovePropW(edit_, kSelfProperty);
      DestroyWindow(edit_);
    }
  }

  void SetBounds(const Rect& bounds) override {
    Rect area = bounds;
    if (!options_.multiline) {
      // A single line has no formatting rectangle, so the inset moves the control itself.
      area = bounds.Deflate(options_.textInset);
    }
    MoveWindow(edit_, area.left, area.top, area.Width(), area.Height(), TRUE);
    if (options_.multiline) {
      RECT inner{options_.textInset.left, options_.textInset.top,
                 area.Width() - options_.textInset.right,
                 area.Height() - options_.textInset.bottom};
      SendMessageW(edit_, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&inner));
    }
  }

  void SetVisible(bool visible) override { ::ShowWindow(edit_, visible ? SW_SHOWNA : SW_HIDE); }

  // New text shows from its start, with the caret there.
  void SetText(const std::wstring& text) override {
    SetWindowTextW(edit_, text.c_str());
    ApplyDefaultFormat();
    SetSelection(0, 0);
    SetVerticalScroll(0);
  }

  std::wstring GetText() const override {
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit_, text.data(), length + 1)));
    return text;
  }

  void SetSelection(long start, long end) override {
    CHARRANGE range{start, end};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }

  CharFormat GetSelectionFormat() const override {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return {static_cast<int>(format.yHeight), FromColorRef(format.crTextColor)};
  }

  void SetSelectionFormat(const CharFormat& wanted) override {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_SIZE | CFM_COLOR;
    format.yHeight = wanted.heightTwips;
    format.crTextColor = ToColorRef(wanted.color);
    SendMessageW(edit_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }

  CharFormat FormatAt(long position) const override {
    CHARRANGE saved{};
    SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    CHARRANGE one{position, position + 1};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    const CharFormat format = GetSelectionFormat();
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    return format;
  }

  ScrollState GetVerticalScroll() const override {
    POINT scrolled{};
    SendMessageW(edit_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
    RECT view{};
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&view));
    GETTEXTLENGTHEX length{GTL_NUMCHARS, 1200};
    const auto end = SendMessageW(edit_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    POINTL last{};
    SendMessageW(edit_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&last), end);
    // The end of the text starts the last line; one line more is the content's bottom.
    const int lineHeight = options_.font.size * 4 / 3 + 2;
    ScrollState state;
    state.view = view.bottom - view.top;
    state.position = scrolled.y;
    state.content = last.y - view.top + scrolled.y + lineHeight;
    return state;
  }

  void SetVerticalScroll(int position) override {
    POINT target{0, position};
    SendMessageW(edit_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&target));
  }

  void SetScrollListener(std::function<void()> listener) override {
    listener_ = std::move(listener);
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Win32RichEdit*>(GetPropW(hwnd, kSelfProperty));
    if (self == nullptr) {
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const LRESULT result = CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
    if (self->listener_ && MayScroll(message, wParam)) {
      self->listener_();
    }
    return result;
  }

  void ApplyDefaultFormat() {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    format.yHeight = options_.font.size * kTwipsPerPixel;
    format.crTextColor = ToColorRef(options_.textColor & 0xFFFFFF);
    format.dwEffects = (options_.font.bold ? CFE_BOLD : 0) |
                       (options_.font.italic ? CFE_ITALIC : 0) |
                       (options_.font.underline ? CFE_UNDERLINE : 0);
    lstrcpynW(format.szFaceName, options_.font.face.c_str(), LF_FACESIZE);
    SendMessageW(edit_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  }

  HWND edit_;
  RichEditOptions options_;
  WNDPROC original_ = nullptr;
  std::function<void()> listener_;
};

}  // namespace

std::unique_ptr<RichEdit> RichEdit::Create(WindowHandle parent, const RichEditOptions& options) {
  const wchar_t* className = RichEditClass();
  if (parent == nullptr || className == nullptr) {
    return nullptr;
  }
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | ES_NOHIDESEL;
  style |= options.multiline ? (ES_MULTILINE | ES_AUTOVSCROLL) : ES_AUTOHSCROLL;
  style |= options.readOnly ? ES_READONLY : 0;
  style |= options.verticalScrollBar ? WS_VSCROLL : 0;
  HWND edit = CreateWindowExW(0, className, L"", style, 0, 0, 0, 0, static_cast<HWND>(parent),
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  if (edit == nullptr) {
    return nullptr;
  }
  return std::make_unique<Win32RichEdit>(edit, options);
}

}  // namespace platform::ui
