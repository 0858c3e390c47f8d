// Stacks its visible children top to bottom. Children with a fixed height keep it; the
// rest share the remaining height equally. A child without a fixed width spans the layout.
#pragma once

#include "duilib/container_ui.h"

namespace DuiLib {

class CVerticalLayoutUI : public CContainerUI {
 public:
  std::wstring GetClass() const override { return L"VerticalLayout"; }
  void SetPos(const Rect& pos) override;
};

}  // namespace DuiLib
