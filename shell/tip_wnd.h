// A small skinned message window: a text and one button ("MsgWnd1.xml"), or a question
// with yes and no buttons ("MsgWnd2.xml"). Any click closes it; the result tells which
// button it was.
#pragma once

#include <string>

#include "duilib/window_impl_base.h"

namespace DuiLib {
class CButtonUI;
class CLabelUI;
class COptionUI;
}  // namespace DuiLib

// Tip results.
inline constexpr int TIP_RESULT_NO = 1;      // the no button "noBtn"
inline constexpr int TIP_RESULT_YES = 2;     // the yes button "yesBtn"
inline constexpr int TIP_RESULT_CLOSED = 3;  // any other way

class CTipWnd : public DuiLib::WindowImplBase {
 public:
  explicit CTipWnd(std::wstring layoutFile);

  const wchar_t* GetWindowClassName() const override { return L"CTipWnd"; }
  ~CTipWnd() override = default;
  void InitWindow() override;
  std::wstring GetSkinFile() override { return skinFile; }
  void Notify(DuiLib::TNotifyUI& msg) override;

  // Shows `text` in the layout's "lblText", when it has one.
  void SetText(const std::wstring& text);
  int Result() const { return result; }

 protected:
  std::wstring skinFile;
  int result = TIP_RESULT_CLOSED;
  DuiLib::CButtonUI* noBtn = nullptr;
  DuiLib::CButtonUI* yesBtn = nullptr;
  DuiLib::COptionUI* noTipOpt = nullptr;
  DuiLib::CLabelUI* lblText = nullptr;
};
