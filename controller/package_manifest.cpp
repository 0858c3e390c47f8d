#include "controller/package_manifest.h"

#include <json/reader.h>

#include <memory>
#include <optional>

#include "controller/manifest_member.h"
#include "controller/package_file_name.h"
#include "controller/package_selection.h"
#include "install/download_folder.h"
#include "platform/cancellation.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "reporting/api_urls.h"
#include "reporting/channel.h"
#include "reporting/http_requests.h"
#include "reporting/manifest_signature.h"
#include "reporting/payload_cipher.h"
#include "reporting/payload_key.h"
#include "reporting/report_step.h"
#include "reporting/setup_version.h"

namespace {

constexpr uint32_t kManifestRetryPauseMs = 5000;

std::function<void()>& RetryPauseForTesting() {
  static std::function<void()> pause;
  return pause;
}

// False when the pause was cut short because the controller is being destroyed.
bool PauseBeforeRetry() {
  if (RetryPauseForTesting()) {
    RetryPauseForTesting()();
    return true;
  }
  return platform::SleepUnlessCancelled(kManifestRetryPauseMs);
}

// One request. True when a reply arrived and, in a build configured with a public key,
// carries a valid signature of its deciphered bytes; `plain` then holds those bytes. A reply
// whose signature is missing or wrong counts as no reply at all.
bool FetchPlainOnce(std::string& plain) {
  std::string reply;
  ResponseHeader signature;
  signature.name = kManifestSignatureHeader;
  if (!HttpGet(ManifestUrl(), reply, signature)) {
    return false;
  }
  plain = DecryptPayload(reply, PayloadKey);
  return IsManifestSignatureAccepted(plain, signature.value, ManifestPublicKey());
}

bool FetchPlain(std::string& plain) {
  if (FetchPlainOnce(plain)) {
    return true;
  }
  if (!PauseBeforeRetry()) {
    return false;
  }
  plain.clear();
  return FetchPlainOnce(plain);
}

bool ParseJson(const std::string& text, Json::Value& root) {
  // The builder's defaults are the classic reader's: comments allowed, any root value.
  Json::CharReaderBuilder builder;
  const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  std::string errors;
  try {
    return reader->parse(text.data(), text.data() + text.size(), &root, &errors);
  } catch (const std::exception&) {
    return false;
  }
}

// The "sha256" member of `object`: absent when the object has no such member; otherwise its
// text, and the empty text (which no file matches) when it is not a string, so that a
// malformed member rejects the download rather than skipping the check.
std::optional<std::string> Sha256Member(const Json::Value& object) {
  if (!object.isObject() || !object.isMember("sha256")) {
    return std::nullopt;
  }
  const Json::Value& member = object["sha256"];
  return member.isString() ? member.asString() : std::string();
}

// Names for packages whose address yields no usable file name; the extension lets the
// package's installer open it.
std::string FallbackFileName(PackageKind kind, Json::ArrayIndex index) {
  const char* extension = kind == PKG_BCL_X86 || kind == PKG_BCL_X64 ? ".msi"
                          : kind == PKG_VCREDIST2005_X86             ? ".zip"
                                                                     : ".exe";
  return "package" + std::to_string(index + 1) + extension;
}

// Builds local paths in the temporary folder and keeps them apart: two packages never share
// a file, so one download cannot replace another package's file.
class LocalPaths {
 public:
  explicit LocalPaths(const ManifestContext& context) : context_(context) {}

  std::string For(const std::string& url, PackageKind kind, Json::ArrayIndex index) {
    std::string name = PackageFileName(url);
    if (name.empty()) {
      name = FallbackFileName(kind, index);
    }
    std::string directory = context_.tempDirectory;
    if (kind == PKG_INSTALLER) {
      // The product's setup is named after the channel it was fetched for.
      const bool endsWithBackslash = !directory.empty() && directory.back() == '\\';
      name = (endsWithBackslash ? "A_" : "_") + context_.channel + "_" + name;
      if (!endsWithBackslash) {
        directory += "\\";
      }
    }
    return directory + names_.Claim(name);
  }

 private:
  const ManifestContext& context_;
  UniqueFileNames names_;
};

}  // namespace

bool ParseManifest(const std::string& text, const ManifestContext& context,
                   std::vector<DownInfo>& list) {
  Json::Value root;
  if (!ParseJson(text, root)) {
    return false;
  }
  const Json::Value& handling =
      root.isObject() ? root["pdfHandling"] : Json::Value::nullSingleton();
  const bool versionMatches = MemberText(handling, "Version") == context.installerVersion;
  const std::string alternativeUrl = MemberText(handling, "url");

  const Json::Value& packages = root.isObject() ? root["pdfinstall"] : Json::Value::nullSingleton();
  if (!packages.isArray()) {
    return true;
  }
  LocalPaths paths(context);
  for (Json::ArrayIndex i = 0; i < packages.size(); ++i) {
    const Json::Value& element = packages[i];
    std::string url = MemberText(element, "url");
    if (MemberText(element, "needed") == "0" || url.empty()) {
      continue;
    }
    const PackageKind kind = KindFromManifestName(MemberText(element, "name"));
    if (!IsPackageNeeded(kind)) {
      continue;
    }
    std::optional<std::string> sha256 = Sha256Member(element);
    if (kind == PKG_INSTALLER && versionMatches && !alternativeUrl.empty()) {
      url = alternativeUrl;
      sha256 = Sha256Member(handling);
    }
    DownInfo entry;
    entry.kind = kind;
    entry.localPath = paths.For(url, kind, i);
    entry.url = std::move(url);
    entry.size = LeadingDecimal(MemberText(element, "size"));
    entry.sha256 = std::move(sha256);
    list.push_back(std::move(entry));
  }
  return true;
}

bool FetchManifest(std::vector<DownInfo>& list) {
  const ManifestContext context{DownloadFolder(), platform::WideToNarrow(InstallerVersion()),
                                Channel()};
  std::string plain;
  if (context.tempDirectory.empty() || !FetchPlain(plain)) {
    return false;  // without a folder of this run nothing is downloaded anywhere
  }
  ReportStep("7002");
  return ParseManifest(plain, context, list);
}

void SetManifestRetryPauseForTesting(std::function<void()> pause) {
  RetryPauseForTesting() = std::move(pause);
}
