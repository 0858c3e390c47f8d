#include "reporting/report_step.h"

#include <mutex>
#include <string>

#include "platform/text_encoding.h"
#include "reporting/channel.h"
#include "reporting/http_requests.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"
#include "reporting/setup_version.h"

namespace {

void StopAtExit(CSendPost* sender) {
  if (sender->Stop(CSendPost::kStopWaitMs)) {
    delete sender;
  }
}

}  // namespace

std::shared_ptr<CSendPost> GetSender() {
  // Before the sender exists, so that the sender is stopped at exit before the network
  // libraries clean up after themselves.
  KeepHttpReadyUntilExit();
  static std::mutex creation;
  static std::shared_ptr<CSendPost> sender;
  std::lock_guard<std::mutex> hold(creation);
  if (!sender) {
    sender = std::shared_ptr<CSendPost>(new CSendPost, StopAtExit);
  }
  return sender;
}

void ReportStep(const char* stepCode) {
  const std::string step = stepCode != nullptr ? stepCode : "";
  const std::string encryptedStep = EncryptPayload(step, PayloadKey);
  const std::string encryptedVersion =
      EncryptPayload(platform::WideToNarrow(InstallerVersion()), PayloadKey);
  const std::string encryptedChannel = EncryptPayload(Channel(), PayloadKey);
  GetSender()->Push("channel=" + encryptedChannel + "&version=" + encryptedVersion +
                    "&step=" + encryptedStep);
}
