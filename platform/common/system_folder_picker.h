// The platform's own folder picker, supplied by each platform.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window_messages.h"

namespace platform {

bool SystemPickFolder(WindowHandle owner, const std::wstring& title, uint32_t flags,
                      std::wstring& folder);

}  // namespace platform
