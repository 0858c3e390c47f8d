// The headless window backend: windows are records, messages wait in one queue that the UI
// thread empties in its modal loops or when a test pumps it.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/ui_canvas.h"
#include "platform/ui_window.h"

namespace platform::ui {
namespace {

constexpr uint32_t kStyleVisible = 0x10000000;
constexpr Rect kWorkArea{0, 0, 1024, 728};
// A modal loop that receives nothing for this long gives up, so a test that forgot to
// close a window fails instead of hanging.
constexpr auto kIdleModalLimit = std::chrono::seconds(30);

struct Record {
  WindowDelegate* delegate = nullptr;
  std::wstring className;
  std::wstring title;
  WindowHandle owner = nullptr;
  Rect rect;
  bool visible = false;
  bool enabled = true;
  bool ownerDisabledByModal = false;
  WindowShape shape;
};

struct Completion {
  bool done = false;
};

struct Queued {
  WindowHandle window;
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  std::shared_ptr<Completion> completion;  // set for senders that wait
};

struct State {
  std::mutex lock;
  std::condition_variable changed;
  std::map<WindowHandle, Record> windows;
  std::deque<Queued> queue;
  uintptr_t nextId = 1;
  std::thread::id uiThread;
  std::function<void(WindowHandle)> modalHook;
};

State& Global() {
  static State state;
  return state;
}

bool IsUiThread() {
  return std::this_thread::get_id() == Global().uiThread;
}

intptr_t Dispatch(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  WindowDelegate* delegate = DelegateOf(window);
  if (delegate == nullptr) {
    return 0;
  }
  bool handled = false;
  const intptr_t result = delegate->OnWindowMessage(message, wParam, lParam, handled);
  if (!handled && message == msg::kClose) {
    DestroySkinnedWindow(window);
  }
  return result;
}

void Complete(const Queued& item) {
  if (item.completion != nullptr) {
    auto& state = Global();
    std::lock_guard<std::mutex> hold(state.lock);
    item.completion->done = true;
    state.changed.notify_all();
  }
}

void Enqueue(Queued item) {
  auto& state = Global();
  std::lock_guard<std::mutex> hold(state.lock);
  state.queue.push_back(std::move(item));
  state.changed.notify_all();
}

// Takes the next message, waiting at most `wait`. False when none came.
bool TakeNext(Queued& item, std::chrono::milliseconds wait) {
  auto& state = Global();
  std::unique_lock<std::mutex> hold(state.lock);
  if (!state.changed.wait_for(hold, wait, [&] { return !state.queue.empty(); })) {
    return false;
  }
  item = std::move(state.queue.front());
  state.queue.pop_front();
  return true;
}

void HandleQueued(const Queued& item) {
  Dispatch(item.window, item.message, item.wParam, item.lParam);
  Complete(item);
}

// Messages from other threads arrive through the platform's SendWindowMessage.
void DeliverFromAnyThread(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                          Delivery delivery) {
  if (!IsWindowAlive(window)) {
    return;
  }
  if (delivery == Delivery::kNoWait) {
    Enqueue({window, message, wParam, lParam, nullptr});
    return;
  }
  if (IsUiThread()) {
    Dispatch(window, message, wParam, lParam);
    return;
  }
  auto completion = std::make_shared<Completion>();
  Enqueue({window, message, wParam, lParam, completion});
  auto& state = Global();
  std::unique_lock<std::mutex> hold(state.lock);
  // A window destroyed before the message was handled releases the sender too.
  state.changed.wait(hold, [&] { return completion->done || state.windows.count(window) == 0; });
}

Record* Find(WindowHandle window) {
  auto& windows = Global().windows;
  const auto found = windows.find(window);
  return found == windows.end() ? nullptr : &found->second;
}

// Reads one field of a live window's record under the lock.
template <typename T, typename Read>
T Query(WindowHandle window, T fallback, Read read) {
  auto& state = Global();
  std::lock_guard<std::mutex> hold(state.lock);
  const Record* record = Find(window);
  return record == nullptr ? fallback : read(*record);
}

template <typename Change>
void Update(WindowHandle window, Change change) {
  auto& state = Global();
  std::lock_guard<std::mutex> hold(state.lock);
  if (Record* record = Find(window)) {
    change(*record);
  }
}

}  // namespace

WindowHandle CreateSkinnedWindow(const WindowCreateParams& params, WindowDelegate* delegate) {
  auto& state = Global();
  WindowHandle window = nullptr;
  {
    std::lock_guard<std::mutex> hold(state.lock);
    if (state.windows.empty()) {
      state.uiThread = std::this_thread::get_id();
      SetMessageSink(DeliverFromAnyThread);
    }
    window = reinterpret_cast<WindowHandle>(state.nextId++ * 16);
    Record record;
    record.delegate = delegate;
    record.className = params.className;
    record.title = params.title;
    record.owner = params.owner;
    const int x = params.x == kUseDefault ? 0 : params.x;
    const int y = params.y == kUseDefault ? 0 : params.y;
    const int width = params.width == kUseDefault ? 0 : params.width;
    const int height = params.height == kUseDefault ? 0 : params.height;
    record.rect = {x, y, x + width, y + height};
    record.visible = (params.style & kStyleVisible) != 0;
    state.windows.emplace(window, record);
  }
  delegate->OnWindowAttached(window);
  bool handled = false;
  if (delegate->OnWindowMessage(msg::kCreate, 0, 0, handled) == -1) {
    DestroySkinnedWindow(window);
    return nullptr;
  }
  return window;
}

void DestroySkinnedWindow(WindowHandle window) {
  std::vector<WindowHandle> owned;
  WindowDelegate* delegate = nullptr;
  WindowHandle ownerToEnable = nullptr;
  {
    auto& state = Global();
    std::lock_guard<std::mutex> hold(state.lock);
    Record* record = Find(window);
    if (record == nullptr) {
      return;
    }
    delegate = record->delegate;
    if (record->ownerDisabledByModal) {
      ownerToEnable = record->owner;
      record->ownerDisabledByModal = false;
    }
    for (const auto& [handle, other] : state.windows) {
      if (other.owner == window) {
        owned.push_back(handle);
      }
    }
  }
  EnableWindow(ownerToEnable, true);
  for (WindowHandle child : owned) {
    DestroySkinnedWindow(child);
  }
  bool handled = false;
  delegate->OnWindowMessage(msg::kDestroy, 0, 0, handled);
  {
    auto& state = Global();
    std::lock_guard<std::mutex> hold(state.lock);
    state.windows.erase(window);
    state.changed.notify_all();
  }
  delegate->OnWindowDestroyed();
}

bool IsWindowAlive(WindowHandle window) {
  return Query(window, false, [](const Record&) { return true; });
}

WindowDelegate* DelegateOf(WindowHandle window) {
  return Query(window, static_cast<WindowDelegate*>(nullptr),
               [](const Record& r) { return r.delegate; });
}

WindowHandle FindTopLevelWindow(const std::wstring& title) {
  auto& state = Global();
  std::lock_guard<std::mutex> hold(state.lock);
  for (const auto& [handle, record] : state.windows) {
    if (record.title == title && record.owner == nullptr) {
      return handle;
    }
  }
  return nullptr;
}

std::wstring WindowClassName(WindowHandle window) {
  return Query(window, std::wstring(), [](const Record& r) { return r.className; });
}

std::wstring WindowTitle(WindowHandle window) {
  return Query(window, std::wstring(), [](const Record& r) { return r.title; });
}

WindowHandle WindowOwner(WindowHandle window) {
  return Query(window, WindowHandle{}, [](const Record& r) { return r.owner; });
}

Rect GetWindowRect(WindowHandle window) {
  return Query(window, Rect{}, [](const Record& r) { return r.rect; });
}

void MoveWindow(WindowHandle window, const Rect& outer, bool) {
  const Rect old = GetWindowRect(window);
  Update(window, [&](Record& r) { r.rect = outer; });
  if (IsWindowAlive(window) && (old.Width() != outer.Width() || old.Height() != outer.Height())) {
    Dispatch(window, msg::kSize, 0, PackPoint({outer.Width(), outer.Height()}));
  }
}

void ShowWindow(WindowHandle window, bool show, bool) {
  Update(window, [&](Record& r) { r.visible = show; });
}

bool IsWindowVisible(WindowHandle window) {
  return Query(window, false, [](const Record& r) { return r.visible; });
}

void EnableWindow(WindowHandle window, bool enable) {
  Update(window, [&](Record& r) { r.enabled = enable; });
}

bool IsWindowEnabled(WindowHandle window) {
  return Query(window, false, [](const Record& r) { return r.enabled; });
}

Rect WorkAreaOf(WindowHandle) {
  return kWorkArea;
}

void CenterWindow(WindowHandle window) {
  const WindowHandle owner = WindowOwner(window);
  const Rect area = owner != nullptr && IsWindowVisible(owner) ? GetWindowRect(owner) : kWorkArea;
  const Rect rect = GetWindowRect(window);
  const int left = area.left + (area.Width() - rect.Width()) / 2;
  const int top = area.top + (area.Height() - rect.Height()) / 2;
  MoveWindow(window, {left, top, left + rect.Width(), top + rect.Height()}, false);
}

void InvalidateWindow(WindowHandle) {}
void PaintNow(WindowHandle) {}
void CaptureMouse(WindowHandle) {}
void ReleaseMouse() {}
void TrackMouseLeave(WindowHandle) {}

void SetWindowShape(WindowHandle window, const WindowShape& shape) {
  Update(window, [&](Record& r) { r.shape = shape; });
}

void PostWindowMessage(WindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (IsWindowAlive(window)) {
    Enqueue({window, message, wParam, lParam, nullptr});
  }
}

intptr_t SendWindowMessageNow(WindowHandle window, uint32_t message, uintptr_t wParam,
                              intptr_t lParam) {
  return Dispatch(window, message, wParam, lParam);
}

void RunModalLoop(WindowHandle window) {
  const WindowHandle owner = WindowOwner(window);
  if (owner != nullptr && IsWindowEnabled(owner)) {
    EnableWindow(owner, false);
    Update(window, [](Record& r) { r.ownerDisabledByModal = true; });
  }
  std::function<void(WindowHandle)> hook;
  {
    std::lock_guard<std::mutex> hold(Global().lock);
    hook = Global().modalHook;
  }
  if (hook) {
    hook(window);
  }
  while (IsWindowAlive(window)) {
    Queued item;
    if (!TakeNext(item, kIdleModalLimit)) {
      std::fprintf(stderr, "headless modal loop idle too long; closing the window\n");
      DestroySkinnedWindow(window);
      break;
    }
    HandleQueued(item);
  }
}

void PumpMessages() {
  Queued item;
  while (TakeNext(item, std::chrono::milliseconds(0))) {
    HandleQueued(item);
  }
}

void SetModalLoopHookForTesting(std::function<void(WindowHandle)> hook) {
  std::lock_guard<std::mutex> hold(Global().lock);
  Global().modalHook = std::move(hook);
}

}  // namespace platform::ui
