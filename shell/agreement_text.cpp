#include "shell/agreement_text.h"

#include <algorithm>

#include "platform/resources.h"
#include "platform/text_encoding.h"

std::wstring LoadAgreementText() {
  const platform::ResourceBytes resource =
      platform::FindProgramResource(L"txt", kAgreementResourceId);
  if (!resource) {
    return {};
  }
  const auto* begin = static_cast<const char*>(resource.data);
  const char* end = std::find(begin, begin + resource.size, '\0');
  return platform::NarrowToWide(std::string(begin, end));
}
