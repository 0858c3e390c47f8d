#include "duilib/horizontal_layout_ui.h"

#include "duilib/linear_layout.h"

namespace DuiLib {

void CHorizontalLayoutUI::SetPos(const Rect& pos) {
  CControlUI::SetPos(pos);
  ArrangeInLine(Children(), ContentRect(), false);
}

}  // namespace DuiLib
