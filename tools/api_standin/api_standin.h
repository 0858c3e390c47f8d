// Starts an API stand-in (a Linux program) for one test and talks to it. Works in Linux test
// programs and in Windows test programs under Wine, which start the Linux program by its Z:
// path and exchange files with it through a scratch folder under /tmp.
//
//   ApiStandin standin;
//   const std::string manifest = standin.WriteFile("manifest.json", "{...}");
//   ASSERT_TRUE(standin.Start({"--manifest", manifest, "--fault", "/a.exe=chunked"}));
//   HttpGet(standin.Url("/api-pdf/get-zhq-package"), response);
//
// The stand-in quits when the object is destroyed (and by itself after two idle minutes or
// ten minutes in all), removing its scratch folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One report as the stand-in deciphered it.
struct StandinReport {
  std::string channel;
  std::string version;
  std::string step;
  std::string mac;
  std::string body;  // the form body as it arrived
};

class ApiStandin {
 public:
  ApiStandin();
  ~ApiStandin();
  ApiStandin(const ApiStandin&) = delete;
  ApiStandin& operator=(const ApiStandin&) = delete;

  // Writes a file into the scratch folder and returns its Linux path, to be named in the
  // options given to Start.
  std::string WriteFile(const std::string& name, const std::string& bytes);

  // Linux path of the scratch folder; "--packages" with it serves the files written there.
  const std::string& ScratchFolder() const { return scratch_; }

  // Starts the stand-in with `options` (tools/api_standin/README.md) on an ephemeral port.
  // True once it listens.
  bool Start(const std::vector<std::string>& options = {});

  int Port() const { return port_; }
  std::string Host() const;                        // "127.0.0.1:PORT"
  std::string Url(const std::string& path) const;  // "http://127.0.0.1:PORT" + path

  // The reports received so far, oldest first.
  std::vector<StandinReport> Reports() const;

  // Waits until at least `count` reports have arrived; false after `timeoutMs`.
  bool WaitForReports(size_t count, uint32_t timeoutMs) const;

 private:
  std::string scratch_;
  int port_ = 0;
};
