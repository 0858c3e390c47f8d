#include "tools/api_standin/standin_server.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "reporting/manifest_signature.h"
#include "reporting/payload_cipher.h"

namespace {

constexpr char kReportPath[] = "/api-pdf/soft-pdf";
constexpr char kManifestPath[] = "/api-pdf/get-zhq-package";
constexpr char kControlPrefix[] = "/standin/";
constexpr size_t kChunkSize = 4096;

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return false;
  }
  std::ostringstream content;
  content << file.rdbuf();
  bytes = content.str();
  return true;
}

// A request path may name a file below the packages folder, never one outside it.
bool IsSafePackagePath(const std::string& path) {
  return path.size() > 1 && path[0] == '/' && path.find("..") == std::string::npos &&
         path.find('\\') == std::string::npos && path.find('\0') == std::string::npos;
}

void Answer(httplib::Response& response, int status, const std::string& body) {
  response.status = status;
  response.set_content(body, "text/plain");
}

}  // namespace

StandinServer::StandinServer(StandinOptions options)
    : options_(std::move(options)), reports_(options_.reportLog) {
  for (size_t i = 0; i < options_.faults.size(); ++i) {
    failures_.push_back(std::make_unique<FirstRequestsCounter>());
  }
  for (size_t i = 0; i < options_.tampers.size(); ++i) {
    tampered_.push_back(std::make_unique<FirstRequestsCounter>());
  }
  if (!options_.signKeyFile.empty()) {
    signer_ = ManifestSigner::FromPemFile(options_.signKeyFile);
    if (signer_ == nullptr) {
      std::fprintf(stderr, "api_standin: no private key in %s; manifests go out unsigned\n",
                   options_.signKeyFile.c_str());
    }
  }
  const auto dispatch = [this](const httplib::Request& request, httplib::Response& response) {
    Dispatch(request, response);
  };
  server_.Get(".*", dispatch);
  server_.Post(".*", dispatch);
  // Each line starts with the milliseconds since the start, so that a test can see how
  // requests were spaced.
  server_.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
    std::printf("%lld %s %s -> %d\n", static_cast<long long>(NowMs() - startMs_),
                request.method.c_str(), request.path.c_str(), response.status);
    std::fflush(stdout);
  });
}

StandinServer::~StandinServer() {
  Stop();
}

int64_t StandinServer::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int StandinServer::Bind() {
  if (options_.port == 0) {
    return server_.bind_to_any_port("127.0.0.1");
  }
  return server_.bind_to_port("127.0.0.1", options_.port) ? options_.port : -1;
}

void StandinServer::Run() {
  startMs_ = NowMs();
  lastActivityMs_ = startMs_;
  std::thread watcher([this] { Watch(); });
  server_.listen_after_bind();
  Stop();
  watcher.join();
}

void StandinServer::Stop() {
  {
    std::lock_guard<std::mutex> hold(stopLock_);
    stopping_ = true;
  }
  stopSignal_.notify_all();
  server_.stop();
}

bool StandinServer::WaitUnlessStopping(uint32_t milliseconds) {
  std::unique_lock<std::mutex> hold(stopLock_);
  return !stopSignal_.wait_for(hold, std::chrono::milliseconds(milliseconds),
                               [this] { return stopping_; });
}

void StandinServer::Watch() {
  while (WaitUnlessStopping(100)) {
    const int64_t now = NowMs();
    const bool idle = options_.idleExitSeconds != 0 &&
                      now - lastActivityMs_ >= int64_t{options_.idleExitSeconds} * 1000;
    const bool tooOld =
        options_.lifetimeSeconds != 0 && now - startMs_ >= int64_t{options_.lifetimeSeconds} * 1000;
    if (idle || tooOld) {
      std::printf("stopping: %s\n", idle ? "idle" : "lifetime over");
      std::fflush(stdout);
      Stop();
    }
  }
}

int StandinServer::FindFault(const std::string& path) const {
  for (size_t i = 0; i < options_.faults.size(); ++i) {
    if (options_.faults[i].path == path) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void StandinServer::Dispatch(const httplib::Request& request, httplib::Response& response) {
  lastActivityMs_ = NowMs();
  const int fault = FindFault(request.path);
  if (fault >= 0 && !ApplyFaultBefore(static_cast<size_t>(fault), response)) {
    return;
  }
  ServeNormally(request, response);
  if (fault >= 0) {
    ApplyFaultAfter(options_.faults[static_cast<size_t>(fault)], response);
  }
  lastActivityMs_ = NowMs();
}

bool StandinServer::ApplyFaultBefore(size_t index, httplib::Response& response) {
  const FaultRule& rule = options_.faults[index];
  switch (rule.mode) {
    case FaultMode::kFailFirst:
      if (failures_[index]->Take(rule.count)) {
        Answer(response, rule.status, "stand-in: failing this request on purpose\n");
        return false;
      }
      return true;
    case FaultMode::kStatus:
      Answer(response, rule.status, rule.body);
      return false;
    case FaultMode::kDelay:
      return WaitUnlessStopping(rule.milliseconds);
    case FaultMode::kNeverAnswer:
      WaitUnlessStopping(rule.milliseconds);
      // Whoever still listens after the silence gets a truncated answer, never a whole one.
      response.set_content_provider(1, "text/plain",
                                    [](size_t, size_t, httplib::DataSink&) { return false; });
      return false;
    default:
      return true;
  }
}

void StandinServer::ApplyFaultAfter(const FaultRule& rule, httplib::Response& response) {
  if (rule.mode == FaultMode::kTrailingCrlf) {
    response.body += "\r\n";
    return;
  }
  if (rule.mode != FaultMode::kCloseMidBody && rule.mode != FaultMode::kChunked &&
      rule.mode != FaultMode::kSlowBody) {
    return;
  }
  auto body = std::make_shared<std::string>(std::move(response.body));
  const std::string type = response.get_header_value("Content-Type");
  response.body.clear();
  if (rule.mode == FaultMode::kSlowBody) {
    const size_t piece = rule.count;
    const uint32_t pause = rule.milliseconds;
    response.set_content_provider(
        body->size(), type,
        [this, body, piece, pause](size_t offset, size_t, httplib::DataSink& sink) {
          if (offset > 0 && !WaitUnlessStopping(pause)) {
            return false;
          }
          return sink.write(body->data() + offset, std::min(piece, body->size() - offset));
        });
    return;
  }
  if (rule.mode == FaultMode::kCloseMidBody) {
    response.set_content_provider(body->size(), type,
                                  [body](size_t offset, size_t, httplib::DataSink& sink) {
                                    const size_t half = body->size() / 2;
                                    if (offset < half) {
                                      sink.write(body->data() + offset, half - offset);
                                    }
                                    return false;  // closes the connection mid-body
                                  });
    return;
  }
  response.set_chunked_content_provider(type, [body](size_t offset, httplib::DataSink& sink) {
    if (offset >= body->size()) {
      sink.done();
      return true;
    }
    const size_t length = std::min(kChunkSize, body->size() - offset);
    return sink.write(body->data() + offset, length);
  });
}

void StandinServer::ServeNormally(const httplib::Request& request, httplib::Response& response) {
  if (request.path.rfind(kControlPrefix, 0) == 0) {
    ServeControl(request, response);
  } else if (request.method == "POST" && request.path == kReportPath) {
    ServeReport(request, response);
  } else if (request.method == "GET" && request.path == kManifestPath) {
    ServeManifest(response);
  } else if (request.method == "GET") {
    ServePackage(request.path, response);
  } else {
    Answer(response, 404, "not found\n");
  }
}

void StandinServer::ServeControl(const httplib::Request& request, httplib::Response& response) {
  const std::string& path = request.path;
  if (path == "/standin/ping") {
    Answer(response, 200, "ok");
  } else if (path == "/standin/echo") {
    Answer(response, 200, request.body);
  } else if (path == "/standin/reports") {
    Answer(response, 200, reports_.Lines());
  } else if (path == "/standin/quit") {
    Answer(response, 200, "bye");
    Stop();
  } else {
    Answer(response, 404, "not found\n");
  }
}

void StandinServer::ServeReport(const httplib::Request& request, httplib::Response& response) {
  reports_.Record(ParseStepReport(request.body, options_.key));
  if (options_.answerDelayMs != 0 && !WaitUnlessStopping(options_.answerDelayMs)) {
    return;
  }
  Answer(response, 200, options_.answer);
}

void StandinServer::ServeManifest(httplib::Response& response) {
  std::string manifest;
  if (options_.manifestFile.empty() || !ReadFile(options_.manifestFile, manifest)) {
    Answer(response, 404, "no manifest\n");
    return;
  }
  Answer(response, 200, EncryptPayload(manifest, options_.key));
  SignManifest(manifest, response);
}

void StandinServer::SignManifest(const std::string& plain, httplib::Response& response) const {
  if (signer_ != nullptr) {
    response.set_header(kManifestSignatureHeader, signer_->Sign(plain));
  }
}

std::string StandinServer::MaybeTampered(const std::string& path, std::string bytes) {
  for (size_t i = 0; i < options_.tampers.size(); ++i) {
    if (options_.tampers[i].path == path && tampered_[i]->Take(options_.tampers[i].count)) {
      std::printf("tampered %s\n", path.c_str());
      std::fflush(stdout);
      return TamperedBytes(std::move(bytes));
    }
  }
  return bytes;
}

void StandinServer::ServePackage(const std::string& path, httplib::Response& response) {
  std::string bytes;
  if (options_.packagesDir.empty() || !IsSafePackagePath(path) ||
      !ReadFile(options_.packagesDir + path, bytes)) {
    Answer(response, 404, "not found\n");
    return;
  }
  response.status = 200;
  response.set_content(MaybeTampered(path, std::move(bytes)), "application/octet-stream");
}
