#include "duilib/dialog_builder.h"

#include <pugixml.hpp>

#include <map>

#include "duilib/attribute_values.h"
#include "duilib/button_ui.h"
#include "duilib/dialog_builder_callback.h"
#include "duilib/horizontal_layout_ui.h"
#include "duilib/label_ui.h"
#include "duilib/option_ui.h"
#include "duilib/paint_manager_ui.h"
#include "duilib/progress_ui.h"
#include "duilib/rich_edit_ui.h"
#include "duilib/tab_layout_ui.h"
#include "duilib/vertical_layout_ui.h"
#include "platform/text_encoding.h"

namespace DuiLib {
namespace {

// Includes nest at most this deep, so a file that includes itself cannot recurse forever.
constexpr int kMaxIncludeDepth = 4;
// Controls nest at most this deep: building, laying out, painting and freeing the tree all
// recurse once per level, and a hostile layout could otherwise exhaust the stack.
constexpr int kMaxNestingDepth = 32;

std::wstring Wide(const char* utf8) {
  return platform::Utf8ToWide(utf8);
}

// "size,darkness,#RRGGBB" of a window shadow.
bool ParseShadow(const std::wstring& value, platform::ui::WindowShape& shape) {
  const size_t first = value.find(L',');
  const size_t second = first == std::wstring::npos ? first : value.find(L',', first + 1);
  if (second == std::wstring::npos) {
    return false;
  }
  int size = 0;
  int darkness = 0;
  uint32_t color = 0;
  if (!ParseInt(value.substr(0, first), size) ||
      !ParseInt(value.substr(first + 1, second - first - 1), darkness) ||
      !ParseColor(value.substr(second + 1), color) || size < 0 || darkness < 0 || darkness > 255) {
    return false;
  }
  shape.shadowSize = size;
  shape.shadowDarkness = darkness;
  shape.shadowColor = color & 0xFFFFFF;
  return true;
}

}  // namespace

CControlUI* CDialogBuilder::Create(const std::wstring& xmlFile, IDialogBuilderCallback* callback,
                                   CPaintManagerUI* manager) {
  std::string xml;
  if (!CPaintManagerUI::LoadResourceFile(xmlFile, xml)) {
    if (manager != nullptr) {
      manager->AddLayoutWarning(xmlFile + L": not found in the skin archive");
    }
    return nullptr;
  }
  return CreateFromText(xml, xmlFile, callback, manager);
}

CControlUI* CDialogBuilder::CreateFromText(const std::string& xml, const std::wstring& sourceName,
                                           IDialogBuilderCallback* callback,
                                           CPaintManagerUI* manager) {
  callback_ = callback;
  manager_ = manager;
  source_ = sourceName;
  pugi::xml_document document;
  const auto parsed =
      document.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
  const pugi::xml_node window = document.document_element();
  if (!parsed || std::string(window.name()) != "Window") {
    Warn(window, parsed ? L"the root element must be Window" : Wide(parsed.description()));
    return nullptr;
  }
  ParseWindowAttributes(window);
  return ParseChildren(window, nullptr);
}

CControlUI* CDialogBuilder::ParseChildren(const pugi::xml_node& parent, CContainerUI* container) {
  CControlUI* first = nullptr;
  for (const pugi::xml_node& node : parent.children()) {
    if (node.type() != pugi::node_element) {
      continue;
    }
    if (ParseInclude(node, container, first) ||
        (container == nullptr && ParseWindowSetting(node))) {
      continue;
    }
    CControlUI* control = ParseControl(node);
    if (control == nullptr) {
      continue;
    }
    if (container != nullptr) {
      container->Add(control);
    } else if (first == nullptr) {
      first = control;
    } else {
      Warn(node, L"a window has one root control; this one is ignored");
      delete control;
    }
  }
  return first;
}

bool CDialogBuilder::ParseInclude(const pugi::xml_node& node, CContainerUI* container,
                                  CControlUI*& first) {
  if (std::string(node.name()) != "Include") {
    return false;
  }
  const std::wstring file = Wide(node.attribute("source").value());
  std::string xml;
  pugi::xml_document document;
  if (includeDepth_ >= kMaxIncludeDepth) {
    Warn(node, L"includes nested too deeply: " + file);
  } else if (!CPaintManagerUI::LoadResourceFile(file, xml)) {
    Warn(node, L"included file not found: " + file);
  } else if (!document.load_buffer(xml.data(), xml.size(), pugi::parse_default,
                                   pugi::encoding_utf8)) {
    Warn(node, L"included file is not XML: " + file);
  } else {
    const std::wstring outer = source_;
    source_ = file;
    ++includeDepth_;
    CControlUI* included = ParseChildren(document.document_element(), container);
    --includeDepth_;
    source_ = outer;
    if (first == nullptr) {
      first = included;
    } else {
      delete included;
    }
  }
  return true;
}

bool CDialogBuilder::ParseWindowSetting(const pugi::xml_node& node) {
  const std::string name = node.name();
  if (name == "Font") {
    ParseFont(node);
  } else if (name == "ScrollBar") {
    ParseScrollBar(node);
  } else {
    return false;
  }
  return true;
}

void CDialogBuilder::ParseWindowAttributes(const pugi::xml_node& node) {
  if (manager_ == nullptr) {
    return;
  }
  platform::ui::WindowShape shape = manager_->GetShape();
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::string name = attribute.name();
    const std::wstring value = Wide(attribute.value());
    platform::ui::Size size;
    int height = 0;
    bool valid = false;
    if (name == "size" && (valid = ParseSize(value, size))) {
      manager_->SetInitSize(size);
    } else if (name == "caption" && (valid = ParseInt(value, height))) {
      manager_->SetCaptionHeight(height);
    } else if (name == "roundcorner" && (valid = ParseSize(value, size))) {
      shape.cornerWidth = size.width;
      shape.cornerHeight = size.height;
    } else if (name == "shadow") {
      valid = ParseShadow(value, shape);
    } else if (name == "shadowoffset" && (valid = ParseSize(value, size))) {
      shape.shadowOffset = {size.width, size.height};
    }
    if (!valid) {
      Warn(node,
           L"unknown attribute or bad value: " + Wide(attribute.name()) + L"=\"" + value + L"\"");
    }
  }
  manager_->SetShape(shape);
}

void CDialogBuilder::ParseFont(const pugi::xml_node& node) {
  platform::ui::FontSpec font;
  int id = 0;
  bool isDefault = false;
  bool valid = true;
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::string name = attribute.name();
    const std::wstring value = Wide(attribute.value());
    if (name == "id") {
      valid = ParseInt(value, id);
    } else if (name == "name") {
      font.face = value;
    } else if (name == "size") {
      valid = ParseInt(value, font.size) && font.size > 0;
    } else if (name == "bold") {
      valid = ParseBool(value, font.bold);
    } else if (name == "underline") {
      valid = ParseBool(value, font.underline);
    } else if (name == "italic") {
      valid = ParseBool(value, font.italic);
    } else if (name == "default") {
      valid = ParseBool(value, isDefault);
    } else {
      valid = false;
    }
    if (!valid) {
      Warn(node, L"unknown attribute or bad value: " + Wide(attribute.name()));
      return;
    }
  }
  if (manager_ != nullptr) {
    manager_->AddFont(id, font, isDefault);
  }
}

void CDialogBuilder::ParseScrollBar(const pugi::xml_node& node) {
  static const char* const kKnown[] = {"width",           "trackimage",       "thumbimage",
                                       "upnormalimage",   "uphotimage",       "uppushedimage",
                                       "downnormalimage", "downhotimage",     "downpushedimage",
                                       "thumbhotimage",   "thumbpushedimage", "bkimage"};
  std::map<std::wstring, std::wstring> style;
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    bool known = false;
    for (const char* name : kKnown) {
      known = known || std::string(attribute.name()) == name;
    }
    if (!known) {
      Warn(node, L"unknown attribute: " + Wide(attribute.name()));
      continue;
    }
    style[Wide(attribute.name())] = Wide(attribute.value());
  }
  if (manager_ != nullptr) {
    manager_->SetScrollBarStyle(std::move(style));
  }
}

CControlUI* CDialogBuilder::MakeControl(const std::wstring& className) {
  if (className == L"VerticalLayout")
    return new CVerticalLayoutUI;
  if (className == L"HorizontalLayout")
    return new CHorizontalLayoutUI;
  if (className == L"TabLayout")
    return new CTabLayoutUI;
  if (className == L"Control")
    return new CControlUI;
  if (className == L"Label")
    return new CLabelUI;
  if (className == L"Button")
    return new CButtonUI;
  if (className == L"Option")
    return new COptionUI;
  if (className == L"RichEdit")
    return new CRichEditUI;
  if (className == L"Progress")
    return new CProgressUI;
  return callback_ != nullptr ? callback_->CreateControl(className.c_str()) : nullptr;
}

CControlUI* CDialogBuilder::ParseControl(const pugi::xml_node& node) {
  CControlUI* control = MakeControl(Wide(node.name()));
  if (control == nullptr) {
    Warn(node, L"unknown element");
    return nullptr;
  }
  for (const pugi::xml_attribute& attribute : node.attributes()) {
    const std::wstring value = Wide(attribute.value());
    if (!control->SetAttribute(Wide(attribute.name()), value)) {
      Warn(node,
           L"unknown attribute or bad value: " + Wide(attribute.name()) + L"=\"" + value + L"\"");
    }
  }
  auto* container = dynamic_cast<CContainerUI*>(control);
  if (container != nullptr && nestingDepth_ + 1 >= kMaxNestingDepth) {
    Warn(node, L"controls nested too deeply; the children of this one are ignored");
  } else if (container != nullptr) {
    ++nestingDepth_;
    ParseChildren(node, container);
    --nestingDepth_;
  } else if (node.first_child() != nullptr) {
    Warn(node, L"a " + control->GetClass() + L" holds no child elements");
  }
  return control;
}

void CDialogBuilder::Warn(const pugi::xml_node& node, const std::wstring& problem) {
  if (manager_ == nullptr) {
    return;
  }
  std::wstring where = source_;
  if (node) {
    where += L" <" + Wide(node.name());
    const char* name = node.attribute("name").value();
    if (*name != '\0') {
      where += L" name=\"" + Wide(name) + L"\"";
    }
    where += L">";
  }
  manager_->AddLayoutWarning(where + L": " + problem);
}

}  // namespace DuiLib
