// Threads, events and locks for the worker threads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

inline constexpr uint32_t kInfinite = 0xFFFFFFFF;

// What a thread can block on: a Win32 HANDLE, or on POSIX a file descriptor that becomes
// readable once the object is signalled (an eventfd, a pidfd).
#ifdef _WIN32
using NativeWaitable = void*;
#else
using NativeWaitable = int;
#endif

// An unnamed event that any thread can signal. An auto-reset event lets one wait through per
// signal and several signals before a wait collapse into one; a manual-reset event stays
// signalled until cleared.
class Event {
 public:
  enum class Reset { kAuto, kManual };

  explicit Event(Reset reset);
  ~Event();
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // False when the system could not create the event; every operation is then a no-op and
  // waits return at once with false.
  bool IsValid() const;

  void Signal();
  void Clear();

  // True when the event was signalled, false when `timeoutMs` passed first.
  bool Wait(uint32_t timeoutMs = kInfinite);

  // True when signalled at this moment; never blocks and never resets the event.
  bool IsSignalled() const;

  NativeWaitable Native() const { return native_; }

 private:
  Reset reset_;
  NativeWaitable native_;
};

// A mutual-exclusion lock. Not recursive.
class Lock {
 public:
  Lock();
  ~Lock();
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  void Acquire();
  void Release();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class ScopedLock {
 public:
  explicit ScopedLock(Lock& lock) : lock_(lock) { lock_.Acquire(); }
  ~ScopedLock() { lock_.Release(); }
  ScopedLock(const ScopedLock&) = delete;
  ScopedLock& operator=(const ScopedLock&) = delete;

 private:
  Lock& lock_;
};

// One native thread. The object must outlive the thread: join it (or let the destructor
// join it) before the data the thread uses goes away.
class Thread {
 public:
  Thread() = default;
  ~Thread();  // Joins a thread that is still joinable.
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Starts `body` on a new thread. False when the system could not create one; the object is
  // then unchanged and Start may be tried again.
  bool Start(std::function<void()> body);
  bool IsStarted() const { return handle_ != nullptr; }

  // Waits for the thread to end. Returns at once when no thread was started.
  void Join();

  // Waits at most `timeoutMs`; true when the thread has ended (and is then joined).
  bool JoinFor(uint32_t timeoutMs);

  // Lets the thread run on without an owner; used only when the process is ending.
  void Detach();

 private:
  struct Handle;
  Handle* handle_ = nullptr;
};

// Blocks until one of `objects` is signalled or `timeoutMs` passes. Returns the index of a
// signalled object, or -1 on time-out or failure. Auto-reset events are not reset by this
// call on every platform, so use it with manual-reset events and processes.
int WaitForAny(const NativeWaitable* objects, int count, uint32_t timeoutMs);

}  // namespace platform
