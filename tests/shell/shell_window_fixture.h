// What the window tests share: the project's skin and agreement as the program's resources,
// an API stand-in on loopback for the step reports and the manifest, and the seams of the
// platform calls the windows make (disk space, network, program-files folder, pauses,
// ending the process, starting the product), set to a healthy machine.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "duilib/ui_test_driver.h"
#include "tools/api_standin/api_standin.h"

// The text of the label "lblText" of a tip window.
std::wstring TipTextOf(DuiLib::WindowImplBase& tip);

class ShellWindowTest : public ::testing::Test {
 protected:
  static constexpr uint64_t kPlentyOfSpace = 20ull * 1024 * 1024 * 1024;

  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Runs `script` with each window that a modal loop starts showing, by its class name.
  void OnModalWindow(
      std::function<void(DuiLib::WindowImplBase& window, const std::wstring& cls)> script);
  // The steps the stand-in has received since the test began, oldest first; pumps the UI thread's
  // messages while waiting for at least `count` of them, so that the report sender is never held
  // up.
  std::vector<std::string> WaitForSteps(size_t count, uint32_t timeoutMs = 15000);

  static std::unique_ptr<ApiStandin> standin;
  size_t reportsBefore = 0;
  uint64_t freeBytes = kPlentyOfSpace;
  std::vector<uint32_t> pauses;
  std::function<void(uint32_t)> duringPause;
  std::vector<uint32_t> endRequests;
};
