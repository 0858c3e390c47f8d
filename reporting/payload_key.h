// The key shared with the maker's server; it enciphers the manifest and every report value.
#pragma once

#include "build_config.h"

inline constexpr char PayloadKey[] = QUILLO_PAYLOAD_KEY;
static_assert(sizeof PayloadKey == 17, "the payload key has exactly 16 characters");
