// A copy of the running test program under another file name in a fresh temporary folder,
// for behaviour that depends on the program's own name. The copy runs one disabled test of
// this program; files named after the copy pass data both ways.
#pragma once

#include <string>

class RenamedCopy {
 public:
  explicit RenamedCopy(const std::wstring& fileName);
  ~RenamedCopy();
  RenamedCopy(const RenamedCopy&) = delete;
  RenamedCopy& operator=(const RenamedCopy&) = delete;

  bool IsReady() const { return ready_; }

  // The copy's path plus `suffix`, for files beside it.
  std::wstring PathWith(const std::wstring& suffix) const { return path_ + suffix; }

  // Runs the disabled test `testName` ("Suite.DISABLED_Name") in the copy and waits for it.
  void RunDisabledTest(const std::string& testName) const;

  // Reads the file PathWith(suffix); empty when missing.
  std::string ReadBeside(const std::wstring& suffix) const;
  bool WriteBeside(const std::wstring& suffix, const std::string& bytes) const;

 private:
  std::wstring path_;
  bool ready_ = false;
};
