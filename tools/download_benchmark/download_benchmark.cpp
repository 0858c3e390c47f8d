// download_benchmark URL FILE [SHA256]: downloads URL into FILE with the setup's downloader
// thread (checking the file's SHA-256 afterwards when one is given, as for a manifest entry
// with "sha256") and prints the time, the throughput, the number of progress reports and the
// process's peak memory. run_download_benchmark.sh runs it beside curl against the API stand-in.
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/process_memory.h"
#include "platform/threading.h"
#include "threads/control_thread.h"

namespace {

// Counts the downloader's reports and signals the final one.
class BenchmarkOwner : public CControlThread {
 public:
  ~BenchmarkOwner() override { StopAllThreads(); }
  void ProcessTask(ControlInfo& report) override {
    ++reports;
    if (report.value == 100 || report.value == -1) {
      finalValue = report.value;
      finished.Signal();
    }
  }
  bool InstallPackage(InstallInfo&, platform::ProcessHandle&) override { return false; }
  bool IsPackageInstalled(InstallInfo&) override { return false; }
  void Download(const DownInfo& task) {
    downloader.Start();
    downloader.Post(task);
  }

  int reports = 0;
  int finalValue = 0;
  platform::Event finished{platform::Event::Reset::kManual};
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: download_benchmark URL FILE [SHA256]\n");
    return 2;
  }
  DownInfo task;
  task.kind = PKG_INSTALLER;
  task.url = argv[1];
  task.localPath = argv[2];
  if (argc == 4) {
    task.sha256 = argv[3];
  }
  BenchmarkOwner owner;
  owner.Start();
  const auto start = std::chrono::steady_clock::now();
  owner.Download(task);
  owner.finished.Wait();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const bool complete = owner.finalValue == 100;
  std::printf("downloader: %s in %.2f s, %d reports, peak memory %.1f MB\n",
              complete ? "done" : "FAILED", seconds, owner.reports,
              static_cast<double>(platform::PeakMemoryBytes()) / 1048576);
  std::printf("downloader_seconds=%.3f\n", seconds);
  return complete ? 0 : 1;
}
