#include "platform/common/system_shell_execute.h"
#include "platform/detached_process.h"
#include "platform/files.h"
#include "platform/text_encoding.h"

namespace platform {

bool SystemShellExecuteFile(const std::wstring& file, const std::wstring&, int) {
  return StartDetachedProcess({Utf8ToWide(NativePath(file))});
}

}  // namespace platform
