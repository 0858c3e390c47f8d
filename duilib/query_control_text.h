// Lets a window supply texts that a layout names by identifier instead of writing them out.
#pragma once

#include <string>

namespace DuiLib {

class IQueryControlText {
 public:
  virtual ~IQueryControlText() = default;
  // The text for `textId` of a control of type `controlType`; empty to keep the layout's.
  virtual std::wstring QueryControlText(const std::wstring& textId,
                                        const std::wstring& controlType) = 0;
};

}  // namespace DuiLib
