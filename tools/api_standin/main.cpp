// api_standin: stands in for the maker's API server on loopback for tests and demos.
// See README.md for the options and for how tests start it.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "reporting/payload_key.h"
#include "tools/api_standin/standin_options.h"
#include "tools/api_standin/standin_server.h"

namespace {

// Written to a neighbour first and renamed, so a reader never sees half a port number.
bool WritePortFile(const std::string& path, int port) {
  const std::string partial = path + ".partial";
  FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  const bool written = std::fprintf(file, "%d\n", port) > 0;
  return std::fclose(file) == 0 && written && std::rename(partial.c_str(), path.c_str()) == 0;
}

void RemoveScratch(const std::string& directory) {
  if (!directory.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  StandinOptions options;
  options.key = PayloadKey;
  std::string error;
  if (!ParseStandinOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::fprintf(stderr, "api_standin: %s (see tools/api_standin/README.md)\n", error.c_str());
    return 2;
  }
  const std::string scratch = options.scratchDir;
  const std::string portFile = options.portFile;
  StandinServer server(std::move(options));
  const int port = server.Bind();
  if (port <= 0) {
    std::fprintf(stderr, "api_standin: cannot listen on 127.0.0.1\n");
    RemoveScratch(scratch);
    return 1;
  }
  if (!portFile.empty() && !WritePortFile(portFile, port)) {
    std::fprintf(stderr, "api_standin: cannot write %s\n", portFile.c_str());
    RemoveScratch(scratch);
    return 1;
  }
  std::printf("api_standin listening on http://127.0.0.1:%d\n", port);
  std::fflush(stdout);
  server.Run();
  RemoveScratch(scratch);
  return 0;
}
