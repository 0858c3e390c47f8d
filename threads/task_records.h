// The records that workers hand each other through their queues. They are plain values:
// a queue copies a record on the way in and on the way out.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

// Which package a record is about; the manifest's names map onto these values.
enum PackageKind : int32_t {
  PKG_BCL_X86 = 0,
  PKG_BCL_X64 = 1,
  PKG_DOTNET4 = 2,
  PKG_VCREDIST2005_X86 = 3,
  PKG_VCREDIST2015_X86 = 4,
  PKG_INSTALLER = 5,
  PKG_OTHER = 6,
};

// Message types of the controller's queue. Type 1 is not assigned.
enum ControlMessageType : int32_t {
  CONTROL_START = 0,
  CONTROL_DOWNLOAD_PROGRESS = 2,
  CONTROL_INSTALL_PROGRESS = 3,
};

// One package to download; also the type of a manifest entry.
struct DownInfo {
  int32_t kind = PKG_OTHER;
  std::string url;        // where to download from
  std::string localPath;  // the file to download to
  uint32_t size = 0;      // expected bytes: the package's weight in the percentage
  uint32_t done = 0;      // bytes counted as downloaded
  uint32_t stamp = 0;     // tick count when the downloader took the task
  uint32_t failures = 0;  // failed attempts in a row before this one; the downloader waits
                          // the backoff for that many before it tries
  // The manifest's SHA-256 text for the file, absent when it names none. A downloaded file
  // that does not match it (or a text that is no SHA-256) is a failed download.
  std::optional<std::string> sha256;
};

// One downloaded package to install.
struct InstallInfo {
  int32_t kind = PKG_OTHER;
  std::string packageFile;  // the downloaded file to run
  std::string installDir;   // the folder the user chose
  uint32_t size = 0;        // the package's weight, as for its download
  uint32_t done = 0;        // bytes counted as installed
  uint32_t stamp = 0;       // tick count when the installer took the task
};

// A running download or install reports at most this; only its end reports 100 (or -1).
inline constexpr uint32_t kHighestRunningPercent = 99;

// A record of the controller's queue.
//
// `record` is the reporting worker's own copy of the package it reports about. It is shared
// rather than raw so that it lives exactly as long as some report about it does: the worker
// creates it and never touches it after posting, the controller updates its `done`, and it
// is released with the last report that refers to it, even if that report is discarded
// unhandled when the controller is destroyed.
struct ControlInfo {
  using Record =
      std::variant<std::monostate, std::shared_ptr<DownInfo>, std::shared_ptr<InstallInfo>>;

  int32_t type = CONTROL_START;
  int32_t value = 0;
  Record record;

  // The record of a download report, or null.
  DownInfo* DownRecord() const {
    const auto* shared = std::get_if<std::shared_ptr<DownInfo>>(&record);
    return shared != nullptr ? shared->get() : nullptr;
  }

  // The record of an install report, or null.
  InstallInfo* InstallRecord() const {
    const auto* shared = std::get_if<std::shared_ptr<InstallInfo>>(&record);
    return shared != nullptr ? shared->get() : nullptr;
  }
};
