// Addresses turned into local file names, one address per input line: each name alone, and
// the names of a manifest that lists them all, checked against their promises.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controller/package_file_name.h"
#include "controller/package_manifest.h"
#include "fuzz/package_checks.h"

namespace {

constexpr size_t kMaxNameBytes = 120;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A JSON string holding `text` byte for byte: the reader passes other bytes through.
std::string JsonString(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 15];
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> urls =
      Lines(std::string(reinterpret_cast<const char*>(data), size));
  std::string manifest = R"({"pdfinstall":[)";
  for (size_t i = 0; i < urls.size(); ++i) {
    const std::string name = PackageFileName(urls[i]);
    if (!name.empty()) {
      fuzz::CheckFileName(name, kMaxNameBytes);
    }
    // Every third one is the product's setup, which gets a prefix of its own.
    manifest += std::string(i ? "," : "") + R"({"name":")" + (i % 3 == 2 ? "installer" : "x") +
                R"(","url":)" + JsonString(urls[i]) + "}";
  }
  std::vector<DownInfo> list;
  ParseManifest(manifest + "]}", fuzz::FuzzManifestContext(), list);
  fuzz::CheckPackages(list);
  return 0;
}
