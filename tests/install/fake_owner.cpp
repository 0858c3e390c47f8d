#include "tests/install/fake_owner.h"

#include <algorithm>

#include "platform/clock.h"

namespace install_test {

FakeOwner::FakeOwner() {
  Start();
}

FakeOwner::~FakeOwner() {
  StopAllThreads();
}

void FakeOwner::ProcessTask(ControlInfo& report) {
  Report seen{report.type, report.value, nullptr, 0, platform::GetTickCount()};
  if (const DownInfo* download = report.DownRecord()) {
    seen.record = download;
    seen.stamp = download->stamp;
  } else if (const InstallInfo* installing = report.InstallRecord()) {
    seen.record = installing;
    seen.stamp = installing->stamp;
  }
  {
    platform::ScopedLock hold(lock_);
    reports_.push_back(seen);
    records_.push_back(report.record);
  }
  if (onReport) {
    onReport(seen);
  }
  arrived_.Signal();
}

bool FakeOwner::InstallPackage(InstallInfo& task, platform::ProcessHandle& out) {
  return install ? install(task, out) : false;
}

bool FakeOwner::IsPackageInstalled(InstallInfo& task) {
  return installed ? installed(task) : false;
}

std::vector<Report> FakeOwner::Reports() {
  platform::ScopedLock hold(lock_);
  return reports_;
}

std::vector<ControlInfo::Record> FakeOwner::Records() {
  platform::ScopedLock hold(lock_);
  return records_;
}

std::vector<int32_t> FakeOwner::Values() {
  std::vector<int32_t> values;
  for (const auto& report : Reports()) {
    values.push_back(report.value);
  }
  return values;
}

bool FakeOwner::WaitForReports(size_t count, uint32_t timeoutMs) {
  const uint32_t start = platform::GetTickCount();
  while (Reports().size() < count) {
    if (platform::GetTickCount() - start > timeoutMs) {
      return false;
    }
    arrived_.Wait(50);
  }
  return true;
}

bool FakeOwner::WaitForFinal(uint32_t timeoutMs) {
  const uint32_t start = platform::GetTickCount();
  for (;;) {
    const auto reports = Reports();
    if (std::any_of(reports.begin(), reports.end(),
                    [](const Report& r) { return r.value == 100 || r.value == -1; })) {
      return true;
    }
    if (platform::GetTickCount() - start > timeoutMs) {
      return false;
    }
    arrived_.Wait(50);
  }
}

}  // namespace install_test
