// Waits that block the user-interface thread on purpose: the pause with the full progress
// bar before the finished page, and the pauses around starting the installed product.
#pragma once

#include <cstdint>
#include <functional>

void PauseUiThread(uint32_t milliseconds);

// Calls `pause` instead of waiting, until called again with an empty function, so tests can
// run the sequences without waiting them out and look at the window during each pause.
void SetUiPauseForTesting(std::function<void(uint32_t milliseconds)> pause);
