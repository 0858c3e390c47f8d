// Lets an object see a window's messages before the toolkit handles them.
#pragma once

#include <cstdint>

namespace DuiLib {

class IMessageFilterUI {
 public:
  virtual ~IMessageFilterUI() = default;
  // Setting `handled` stops the toolkit's own handling; the result is then returned.
  virtual intptr_t MessageHandler(uint32_t uMsg, uintptr_t wParam, intptr_t lParam,
                                  bool& handled) = 0;
};

}  // namespace DuiLib
