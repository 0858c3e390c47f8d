// Step reports: "7001" the main window is up, "7002" the manifest request completed,
// "7003" everything is installed. Each report carries the channel, the installer version
// and the step code, each enciphered with the payload key; the sender adds the machine
// identity and posts it in the background.
#pragma once

#include <memory>

#include "reporting/send_post.h"

// Queues the report of `stepCode` and returns at once. Callable from any thread.
void ReportStep(const char* stepCode);

// The process-wide sender, created by the first call (safe when two threads make it). At
// process exit the sender is stopped: an idle worker at once, one in the middle of a post
// after at most 10000 ms, after which it is abandoned rather than freed.
std::shared_ptr<CSendPost> GetSender();
