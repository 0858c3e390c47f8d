#include <process.h>
#include <windows.h>

#include "platform/threading.h"

namespace platform {

Event::Event(Reset reset)
    : reset_(reset), native_(CreateEventW(nullptr, reset == Reset::kManual, FALSE, nullptr)) {}

Event::~Event() {
  if (native_ != nullptr) {
    CloseHandle(native_);
  }
}

bool Event::IsValid() const {
  return native_ != nullptr;
}

void Event::Signal() {
  if (native_ != nullptr) {
    SetEvent(native_);
  }
}

void Event::Clear() {
  if (native_ != nullptr) {
    ResetEvent(native_);
  }
}

bool Event::Wait(uint32_t timeoutMs) {
  return native_ != nullptr && WaitForSingleObject(native_, timeoutMs) == WAIT_OBJECT_0;
}

bool Event::IsSignalled() const {
  if (native_ == nullptr) {
    return false;
  }
  if (reset_ == Reset::kManual) {
    return WaitForSingleObject(native_, 0) == WAIT_OBJECT_0;
  }
  // A zero wait would consume an auto-reset signal; put it back.
  if (WaitForSingleObject(native_, 0) == WAIT_OBJECT_0) {
    SetEvent(native_);
    return true;
  }
  return false;
}

struct Lock::Impl {
  CRITICAL_SECTION section;
};

Lock::Lock() : impl_(new Impl) {
  InitializeCriticalSection(&impl_->section);
}
Lock::~Lock() {
  DeleteCriticalSection(&impl_->section);
}
void Lock::Acquire() {
  EnterCriticalSection(&impl_->section);
}
void Lock::Release() {
  LeaveCriticalSection(&impl_->section);
}

struct Thread::Handle {
  HANDLE thread = nullptr;
  std::function<void()> body;
};

namespace {
unsigned __stdcall ThreadProc(void* argument) {
  static_cast<std::function<void()>*>(argument)->operator()();
  return 0;
}
}  // namespace

Thread::~Thread() {
  Join();
}

bool Thread::Start(std::function<void()> body) {
  if (handle_ != nullptr) {
    return false;
  }
  auto* handle = new Handle{nullptr, std::move(body)};
  const uintptr_t created = _beginthreadex(nullptr, 0, ThreadProc, &handle->body, 0, nullptr);
  if (created == 0) {
    delete handle;
    return false;
  }
  handle->thread = reinterpret_cast<HANDLE>(created);
  handle_ = handle;
  return true;
}

void Thread::Join() {
  JoinFor(kInfinite);
}

bool Thread::JoinFor(uint32_t timeoutMs) {
  if (handle_ == nullptr) {
    return true;
  }
  if (WaitForSingleObject(handle_->thread, timeoutMs) != WAIT_OBJECT_0) {
    return false;
  }
  CloseHandle(handle_->thread);
  delete handle_;
  handle_ = nullptr;
  return true;
}

void Thread::Detach() {
  if (handle_ == nullptr) {
    return;
  }
  // The body object stays allocated: the detached thread may still be running it.
  CloseHandle(handle_->thread);
  handle_ = nullptr;
}

int WaitForAny(const NativeWaitable* objects, int count, uint32_t timeoutMs) {
  const DWORD result = WaitForMultipleObjects(static_cast<DWORD>(count), objects, FALSE, timeoutMs);
  if (result < WAIT_OBJECT_0 + static_cast<DWORD>(count)) {
    return static_cast<int>(result - WAIT_OBJECT_0);
  }
  return -1;
}

}  // namespace platform
