// The archive tool's extraction: any bytes written as an archive and extracted into a
// scratch folder, which is then searched for anything written outside the output folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz/fuzz_check.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "tools/archive_tool/zip_extractor.h"

namespace {

namespace fs = std::filesystem;

// box/a/b holds the archive and the output folder; box and box/a hold nothing else, so a
// member that climbs out of the output folder by up to three levels shows up in them.
struct Scratch {
  fs::path box;
  fs::path work;
  fs::path archive;
  fs::path output;
  Scratch() {
    box = fs::temp_directory_path() / ("quillo-fuzz-extract-" + std::to_string(getpid()));
    work = box / "a" / "b";
    archive = work / "archive.zip";
    output = work / "out";
    fs::remove_all(box);
    fs::create_directories(work);
  }
  // libFuzzer ends a timed run through exit(), which runs this.
  ~Scratch() {
    std::error_code ignored;
    fs::remove_all(box, ignored);
  }
};

std::wstring Wide(const fs::path& path) {
  return platform::Utf8ToWide(path.string());
}

void CheckOnlyChild(const fs::path& folder, const fs::path& expected) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    fuzz::Check(entry.path() == expected,
                "nothing is written outside the output folder: " + entry.path().string());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Scratch scratch;
  std::error_code ignored;
  fs::remove_all(scratch.output, ignored);
  platform::WriteWholeFile(Wide(scratch.archive), data, size);
  std::wstring error;
  const ExtractResult result = ExtractZip(Wide(scratch.archive), Wide(scratch.output), error);
  fuzz::Check(result == ExtractResult::kDone || !error.empty(), "a failure says what failed");

  CheckOnlyChild(scratch.box, scratch.box / "a");
  CheckOnlyChild(scratch.box / "a", scratch.work);
  for (const auto& entry : fs::directory_iterator(scratch.work)) {
    fuzz::Check(entry.path() == scratch.archive || entry.path() == scratch.output,
                "nothing is written beside the output folder: " + entry.path().string());
  }
  if (fs::exists(scratch.output)) {
    for (const auto& entry : fs::recursive_directory_iterator(scratch.output)) {
      fuzz::Check(!entry.is_symlink(), "extraction makes no links: " + entry.path().string());
    }
  }
  return 0;
}
