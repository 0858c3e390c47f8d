// The agreement window: the user agreement in a scrolling view that cannot be edited, with
// a confirm button and a close button that both just close it.
#pragma once

#include <string>

#include "duilib/window_impl_base.h"

namespace DuiLib {
class CButtonUI;
class CRichEditUI;
}  // namespace DuiLib

class CProtWnd : public DuiLib::WindowImplBase {
 public:
  CProtWnd();

  const wchar_t* GetWindowClassName() const override { return L"CAgreementWnd"; }
  ~CProtWnd() override = default;
  // Loads the agreement and shows it with its title line emphasised.
  void InitWindow() override;
  std::wstring GetSkinFile() override { return skinFile; }
  void Notify(DuiLib::TNotifyUI& msg) override;

 protected:
  void EmphasiseTitle();

  std::wstring skinFile;
  DuiLib::CButtonUI* confirmBtn = nullptr;
  DuiLib::CRichEditUI* agreementEdit = nullptr;
  std::wstring agreementText;
};
