// Lines its visible children up left to right. Children with a fixed width keep it; the rest
// share the remaining width equally. A child without a fixed height spans the layout.
#pragma once

#include "duilib/container_ui.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CContainerUI {
 public:
  std::wstring GetClass() const override { return L"HorizontalLayout"; }
  void SetPos(const Rect& pos) override;
};

}  // namespace DuiLib
