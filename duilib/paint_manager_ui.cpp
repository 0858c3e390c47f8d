#include "duilib/paint_manager_ui.h"

#include <algorithm>
#include <cstdio>

#include "duilib/control_ui.h"
#include "duilib/message_filter_ui.h"
#include "duilib/notify_ui.h"
#include "duilib/render_engine.h"
#include "duilib/zip_archive.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace DuiLib {
namespace {

struct SharedResources {
  void* instance = nullptr;
  CZipArchive archive;
  std::map<std::wstring, std::shared_ptr<TImageData>> images;
};

SharedResources& Shared() {
  static SharedResources shared;
  return shared;
}

platform::ui::FontSpec FallbackFont() {
  return {L"\u5fae\u8f6f\u96c5\u9ed1", 12};
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() = default;
CPaintManagerUI::~CPaintManagerUI() = default;

void CPaintManagerUI::SetInstance(void* instance) {
  Shared().instance = instance;
}

void* CPaintManagerUI::GetInstance() {
  return Shared().instance;
}

std::wstring CPaintManagerUI::GetInstancePath() {
  const std::wstring program = platform::ModuleFilePath();
  const size_t separator = program.find_last_of(L"\\/");
  return separator == std::wstring::npos ? std::wstring() : program.substr(0, separator + 1);
}

bool CPaintManagerUI::SetResourceZip(const void* data, size_t size, const char* password) {
  auto& shared = Shared();
  shared.images.clear();
  if (password != nullptr) {
    shared.archive.Open(nullptr, 0);
    return false;
  }
  return shared.archive.Open(data, size);
}

bool CPaintManagerUI::LoadResourceFile(const std::wstring& path, std::string& bytes) {
  return Shared().archive.Read(platform::WideToUtf8(path), bytes);
}

std::shared_ptr<TImageData> CPaintManagerUI::GetImage(const std::wstring& path) {
  auto& images = Shared().images;
  const auto cached = images.find(path);
  if (cached != images.end()) {
    return cached->second;
  }
  std::string bytes;
  auto image = LoadResourceFile(path, bytes) ? DecodeImage(bytes) : nullptr;
  images.emplace(path, image);
  return image;
}

void CPaintManagerUI::Init(platform::WindowHandle window) {
  window_ = window;
}

void CPaintManagerUI::AttachDialog(CControlUI* root) {
  hot_ = nullptr;
  pressed_ = nullptr;
  root_.reset(root);
  if (root_ != nullptr) {
    root_->SetManager(this, nullptr);
    root_->ForEachControl([](CControlUI& control) { control.DoInit(); });
  }
  NeedUpdate();
}

CControlUI* CPaintManagerUI::FindControl(const std::wstring& name) const {
  return root_ != nullptr ? root_->FindControl(name) : nullptr;
}

CControlUI* CPaintManagerUI::FindClickableAt(Point point) const {
  CControlUI* control = root_ != nullptr ? root_->FindControlAt(point) : nullptr;
  while (control != nullptr && !control->IsClickable()) {
    control = control->GetParent();
  }
  return control;
}

void CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
  if (std::find(notifiers_.begin(), notifiers_.end(), notifier) == notifiers_.end()) {
    notifiers_.push_back(notifier);
  }
}

void CPaintManagerUI::RemoveNotifier(INotifyUI* notifier) {
  notifiers_.erase(std::remove(notifiers_.begin(), notifiers_.end(), notifier), notifiers_.end());
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const std::wstring& type, uintptr_t wParam,
                                 intptr_t lParam) {
  TNotifyUI msg{type, sender, wParam, lParam};
  // A notifier may add or remove notifiers while it runs.
  const std::vector<INotifyUI*> notifiers = notifiers_;
  for (INotifyUI* notifier : notifiers) {
    notifier->Notify(msg);
  }
}

void CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* filter) {
  filters_.push_back(filter);
}

void CPaintManagerUI::AddFont(int id, const platform::ui::FontSpec& font, bool isDefault) {
  fonts_[id] = font;
  if (isDefault || defaultFont_ == -1) {
    defaultFont_ = id;
  }
}

platform::ui::FontSpec CPaintManagerUI::GetFont(int id) const {
  auto found = fonts_.find(id);
  if (found == fonts_.end()) {
    found = fonts_.find(defaultFont_);
  }
  return found != fonts_.end() ? found->second : FallbackFont();
}

void CPaintManagerUI::SetScrollBarStyle(std::map<std::wstring, std::wstring> attributes) {
  scrollBarStyle_ = std::move(attributes);
}

void CPaintManagerUI::AddLayoutWarning(const std::wstring& warning) {
  warnings_.push_back(warning);
  std::fprintf(stderr, "layout: %s\n", platform::WideToUtf8(warning).c_str());
}

void CPaintManagerUI::NeedUpdate() {
  needUpdate_ = true;
  Invalidate();
}

void CPaintManagerUI::Invalidate() {
  if (window_ != nullptr) {
    platform::ui::InvalidateWindow(window_);
  }
}

void CPaintManagerUI::LayOut(Size client) {
  needUpdate_ = false;
  if (root_ == nullptr) {
    return;
  }
  root_->SetPos({0, 0, client.width, client.height});
  root_->ForEachControl([](CControlUI& control) { control.OnLayoutDone(); });
}

void CPaintManagerUI::UpdateLayout() {
  if (!needUpdate_) {
    return;
  }
  Size client = initSize_;
  if (window_ != nullptr) {
    const Rect outer = platform::ui::GetWindowRect(window_);
    client = {outer.Width(), outer.Height()};
  }
  LayOut(client);
}

void CPaintManagerUI::Paint(platform::ui::Surface& surface, const Rect& dirty) {
  UpdateLayout();
  // Whatever the layout leaves uncovered shows white rather than stale pixels.
  CRenderEngine::FillRect(surface, dirty, 0xFFFFFFFF, dirty);
  if (root_ != nullptr) {
    root_->DoPaint(surface, dirty);
  }
}

bool CPaintManagerUI::IsCaptionAt(Point point) {
  UpdateLayout();
  return point.y >= 0 && point.y < captionHeight_ && FindClickableAt(point) == nullptr;
}

bool CPaintManagerUI::RunFilters(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 intptr_t& result) {
  for (IMessageFilterUI* filter : filters_) {
    bool handled = false;
    result = filter->MessageHandler(message, wParam, lParam, handled);
    if (handled) {
      return true;
    }
  }
  return false;
}

bool CPaintManagerUI::MessageHandler(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                     intptr_t& result) {
  namespace msg = platform::ui::msg;
  if (RunFilters(message, wParam, lParam, result)) {
    return true;
  }
  result = 0;
  const Point point = platform::ui::UnpackPoint(lParam);
  if (message >= msg::kMouseMove && message <= msg::kLButtonUp) {
    mouse_ = point;
  }
  switch (message) {
    case msg::kSize:
      NeedUpdate();
      return false;
    case msg::kMouseMove:
      OnMouseMove(point);
      return true;
    case msg::kMouseLeave:
      OnMouseLeave();
      return true;
    case msg::kLButtonDown:
      OnButtonDown(point);
      return true;
    case msg::kLButtonUp:
      OnButtonUp(point);
      return true;
    default:
      return false;
  }
}

void CPaintManagerUI::OnMouseMove(Point point) {
  UpdateLayout();
  if (pressed_ != nullptr) {
    pressed_->OnMouseDrag();
    return;
  }
  CControlUI* hot = FindClickableAt(point);
  if (hot == hot_) {
    if (hot_ != nullptr) {
      hot_->OnMouseHover();
    }
    return;
  }
  if (hot_ != nullptr) {
    hot_->OnMouseLeave();
  }
  hot_ = hot;
  if (hot_ != nullptr) {
    hot_->OnMouseEnter();
    hot_->OnMouseHover();
    platform::ui::TrackMouseLeave(window_);
  }
}

void CPaintManagerUI::OnMouseLeave() {
  if (hot_ != nullptr) {
    hot_->OnMouseLeave();
    hot_ = nullptr;
  }
}

void CPaintManagerUI::OnButtonDown(Point point) {
  UpdateLayout();
  pressed_ = FindClickableAt(point);
  if (pressed_ != nullptr) {
    platform::ui::CaptureMouse(window_);
    pressed_->OnButtonDown();
  }
}

void CPaintManagerUI::OnButtonUp(Point point) {
  CControlUI* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed == nullptr) {
    return;
  }
  platform::ui::ReleaseMouse();
  UpdateLayout();
  pressed->OnButtonUp(FindClickableAt(point) == pressed);
}

}  // namespace DuiLib
