// The program file's own resources, supplied by each platform.
#pragma once

#include "platform/resources.h"

namespace platform {

ResourceBytes FindSystemResource(const std::wstring& type, int id);

}  // namespace platform
