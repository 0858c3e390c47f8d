#include "duilib/vertical_layout_ui.h"

#include "duilib/linear_layout.h"

namespace DuiLib {

void CVerticalLayoutUI::SetPos(const Rect& pos) {
  CControlUI::SetPos(pos);
  ArrangeInLine(Children(), ContentRect(), true);
}

}  // namespace DuiLib
