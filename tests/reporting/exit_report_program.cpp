// exit_report_program HOST: queues one step report to the API stand-in at HOST, lets the post
// begin and returns from main at once, so that the report completes while the process
// exits: the sender is stopped at exit and still uses the process-wide objects then.
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/program_arguments.h"
#include "platform/text_encoding.h"
#include "reporting/api_urls.h"
#include "reporting/report_step.h"

int main() {
  const std::vector<std::wstring> arguments = platform::ProgramArguments();
  if (arguments.empty()) {
    return 2;
  }
  SetApiHostForTesting(platform::WideToUtf8(arguments[0]));
  ReportStep("7001");
  platform::Sleep(300);  // the post is on its way; its answer comes later
  return 0;
}
