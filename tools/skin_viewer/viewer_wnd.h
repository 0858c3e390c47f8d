// A window that shows one layout of a skin archive and writes every notification it gets
// to a log file, one "type name" line each.
#pragma once

#include <string>
#include <vector>

#include "duilib/window_impl_base.h"

class CViewerWnd : public DuiLib::WindowImplBase {
 public:
  // `texts` are "control=text" pairs applied when the window opens.
  CViewerWnd(std::wstring layout, std::wstring logPath, std::vector<std::wstring> texts);

  const wchar_t* GetWindowClassName() const override { return L"SkinViewer"; }
  std::wstring GetSkinFile() override { return layout_; }
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;

 private:
  std::wstring layout_;
  std::wstring logPath_;
  std::vector<std::wstring> texts_;
  std::string log_;
};
