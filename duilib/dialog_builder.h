// Builds a window's controls from a layout file of the skin archive (see README.md for the
// layout language) and hands the window-level settings to the paint manager. Problems are
// reported through the manager's layout warnings; the build goes on without the faulty part.
#pragma once

#include <string>

namespace pugi {
class xml_node;
}

namespace DuiLib {

class CControlUI;
class CContainerUI;
class CPaintManagerUI;
class IDialogBuilderCallback;

class CDialogBuilder {
 public:
  // The root control of the layout `xmlFile` from the skin archive, owned by the caller until
  // it is attached to a manager; null when the file is missing or holds no control.
  CControlUI* Create(const std::wstring& xmlFile, IDialogBuilderCallback* callback,
                     CPaintManagerUI* manager);
  // The same from layout text held in memory; `sourceName` names it in warnings.
  CControlUI* CreateFromText(const std::string& xml, const std::wstring& sourceName,
                             IDialogBuilderCallback* callback, CPaintManagerUI* manager);

 private:
  // Handles the children of `parent`: window settings when `container` is null, else controls
  // added to `container`. Returns the first control made at window level.
  CControlUI* ParseChildren(const pugi::xml_node& parent, CContainerUI* container);
  bool ParseInclude(const pugi::xml_node& node, CContainerUI* container, CControlUI*& first);
  bool ParseWindowSetting(const pugi::xml_node& node);
  void ParseWindowAttributes(const pugi::xml_node& node);
  void ParseFont(const pugi::xml_node& node);
  void ParseScrollBar(const pugi::xml_node& node);
  CControlUI* ParseControl(const pugi::xml_node& node);
  CControlUI* MakeControl(const std::wstring& className);
  void Warn(const pugi::xml_node& node, const std::wstring& problem);

  IDialogBuilderCallback* callback_ = nullptr;
  CPaintManagerUI* manager_ = nullptr;
  std::wstring source_;
  int includeDepth_ = 0;
  int nestingDepth_ = 0;  // containers around the control being built
};

}  // namespace DuiLib
