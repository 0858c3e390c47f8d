// The entry point of the Windows GUI program. The command line and the show command are not
// used: the setup takes no arguments.
#include "shell/setup_startup.h"

struct HINSTANCE__;

extern "C" int __stdcall wWinMain(HINSTANCE__* instance, HINSTANCE__*, wchar_t*, int) {
  return RunSetup(instance);
}
