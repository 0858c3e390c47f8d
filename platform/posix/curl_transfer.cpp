// The transfer runs through a multi handle so that its wait can include the thread's cancel
// event: an easy transfer would look at cancellation only when libcurl next calls back.
#include "platform/posix/curl_transfer.h"

#include <mutex>

#include "platform/cancellation.h"

namespace platform {
namespace {

constexpr int kWaitSliceMs = 1000;

struct CurlMultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Waits for socket activity; true when the thread's work was cancelled meanwhile.
bool WaitForActivity(CURLM* multi) {
  NativeWaitable cancel = -1;
  const bool cancellable = CurrentCancelEvent(cancel);
  curl_waitfd extra{cancel, CURL_WAIT_POLLIN, 0};
  int ready = 0;
  curl_multi_wait(multi, cancellable ? &extra : nullptr, cancellable ? 1 : 0, kWaitSliceMs, &ready);
  return cancellable && (extra.revents & CURL_WAIT_POLLIN) != 0;
}

CURLcode FinishedResult(CURLM* multi) {
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
    if (message->msg == CURLMSG_DONE) {
      return message->data.result;
    }
  }
  return CURLE_FAILED_INIT;
}

}  // namespace

CurlEasy NewCurlEasy() {
  InitialiseCurlOnce();
  CurlEasy easy(curl_easy_init());
  if (easy) {
    curl_easy_setopt(easy.get(), CURLOPT_NOSIGNAL, 1L);
  }
  return easy;
}

CURLcode PerformUnlessCancelled(CURL* easy) {
  if (CancellationRequested()) {
    return CURLE_ABORTED_BY_CALLBACK;
  }
  std::unique_ptr<CURLM, CurlMultiDeleter> multi(curl_multi_init());
  if (!multi || curl_multi_add_handle(multi.get(), easy) != CURLM_OK) {
    return CURLE_FAILED_INIT;
  }
  CURLcode result = CURLE_FAILED_INIT;
  for (;;) {
    int running = 0;
    if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
      break;
    }
    if (running == 0) {
      result = FinishedResult(multi.get());
      break;
    }
    if (WaitForActivity(multi.get())) {
      result = CURLE_ABORTED_BY_CALLBACK;
      break;
    }
  }
  curl_multi_remove_handle(multi.get(), easy);
  return result;
}

}  // namespace platform
