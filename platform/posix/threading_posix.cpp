// Events are eventfds so that they can be waited on together with processes (pidfds).
#include <errno.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

#include "platform/threading.h"

namespace platform {
namespace {

// Milliseconds left of a time-out that started at `start`, or -1 (forever) for kInfinite.
int RemainingMs(uint32_t timeoutMs, const timespec& start) {
  if (timeoutMs == kInfinite) {
    return -1;
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const int64_t elapsed =
      (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
  const int64_t left = static_cast<int64_t>(timeoutMs) - elapsed;
  return left > 0 ? static_cast<int>(left) : 0;
}

// poll() that survives signals; returns the number of ready descriptors, 0 on time-out.
int PollFor(pollfd* fds, int count, uint32_t timeoutMs) {
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    const int ready = poll(fds, static_cast<nfds_t>(count), RemainingMs(timeoutMs, start));
    if (ready >= 0 || errno != EINTR) {
      return ready;
    }
  }
}

}  // namespace

Event::Event(Reset reset) : reset_(reset), native_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Event::~Event() {
  if (native_ >= 0) {
    close(native_);
  }
}

bool Event::IsValid() const {
  return native_ >= 0;
}

void Event::Signal() {
  if (native_ >= 0) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(native_, &one, sizeof one);
  }
}

void Event::Clear() {
  if (native_ >= 0) {
    uint64_t counter = 0;
    [[maybe_unused]] const ssize_t read_ = read(native_, &counter, sizeof counter);
  }
}

bool Event::Wait(uint32_t timeoutMs) {
  if (native_ < 0) {
    return false;
  }
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    pollfd fd{native_, POLLIN, 0};
    if (PollFor(&fd, 1, static_cast<uint32_t>(RemainingMs(timeoutMs, start))) <= 0) {
      return false;
    }
    if (reset_ == Reset::kManual) {
      return true;
    }
    // Only the waiter that takes the counter passes an auto-reset event.
    uint64_t counter = 0;
    if (read(native_, &counter, sizeof counter) == sizeof counter) {
      return true;
    }
  }
}

bool Event::IsSignalled() const {
  if (native_ < 0) {
    return false;
  }
  pollfd fd{native_, POLLIN, 0};
  return poll(&fd, 1, 0) > 0;
}

struct Lock::Impl {
  pthread_mutex_t mutex = PTHREAD_MUTEX_INITIALIZER;
};

Lock::Lock() : impl_(new Impl) {}
Lock::~Lock() {
  pthread_mutex_destroy(&impl_->mutex);
}
void Lock::Acquire() {
  pthread_mutex_lock(&impl_->mutex);
}
void Lock::Release() {
  pthread_mutex_unlock(&impl_->mutex);
}

struct Thread::Handle {
  pthread_t thread{};
  std::function<void()> body;
};

namespace {
void* ThreadProc(void* argument) {
  static_cast<std::function<void()>*>(argument)->operator()();
  return nullptr;
}
}  // namespace

Thread::~Thread() {
  Join();
}

bool Thread::Start(std::function<void()> body) {
  if (handle_ != nullptr) {
    return false;
  }
  auto* handle = new Handle{{}, std::move(body)};
  if (pthread_create(&handle->thread, nullptr, ThreadProc, &handle->body) != 0) {
    delete handle;
    return false;
  }
  handle_ = handle;
  return true;
}

void Thread::Join() {
  if (handle_ == nullptr) {
    return;
  }
  pthread_join(handle_->thread, nullptr);
  delete handle_;
  handle_ = nullptr;
}

bool Thread::JoinFor(uint32_t timeoutMs) {
  if (handle_ == nullptr) {
    return true;
  }
  if (timeoutMs == kInfinite) {
    Join();
    return true;
  }
  timespec deadline{};
  clock_gettime(CLOCK_REALTIME, &deadline);
  deadline.tv_sec += static_cast<time_t>(timeoutMs / 1000);
  deadline.tv_nsec += static_cast<long>(timeoutMs % 1000) * 1000000L;
  if (deadline.tv_nsec >= 1000000000L) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000L;
  }
  if (pthread_timedjoin_np(handle_->thread, nullptr, &deadline) != 0) {
    return false;
  }
  delete handle_;
  handle_ = nullptr;
  return true;
}

void Thread::Detach() {
  if (handle_ == nullptr) {
    return;
  }
  // The body object stays allocated: the detached thread may still be running it.
  pthread_detach(handle_->thread);
  handle_ = nullptr;
}

int WaitForAny(const NativeWaitable* objects, int count, uint32_t timeoutMs) {
  pollfd fds[8];
  if (count <= 0 || count > 8) {
    return -1;
  }
  for (int i = 0; i < count; ++i) {
    fds[i] = pollfd{objects[i], POLLIN, 0};
  }
  if (PollFor(fds, count, timeoutMs) <= 0) {
    return -1;
  }
  for (int i = 0; i < count; ++i) {
    if (fds[i].revents != 0) {
      return i;
    }
  }
  return -1;
}

}  // namespace platform
