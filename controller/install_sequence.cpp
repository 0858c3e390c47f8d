// How each kind of package is installed: which program runs with which arguments.
#include "controller/control.h"
#include "controller/prerequisites.h"
#include "install/archive_runner.h"
#include "install/download_folder.h"
#include "install/program_runners.h"
#include "platform/files.h"

bool CControl::InstallPackage(InstallInfo& task, platform::ProcessHandle& out) {
  const std::string tempDirectory = platform::RemoveTrailingBackslash(DownloadFolder());
  if (!platform::PathExists(task.packageFile)) {
    return false;
  }
  switch (task.kind) {
    case PKG_BCL_X86:
    case PKG_BCL_X64:
      return RunMsiInstall(task.packageFile, "/qn", out);
    case PKG_DOTNET4:
    case PKG_VCREDIST2015_X86:
      return RunProgram(task.packageFile, "/quiet", out, false);
    case PKG_VCREDIST2005_X86: {
      if (tempDirectory.empty()) {
        return false;  // never extract into the root of a drive
      }
      const std::string extracted = tempDirectory + "\\vcredist123";
      // An archive that did not extract is a damaged download: false has it fetched again.
      const std::string package = extracted + "\\vcredist.msi";
      if (!ExtractArchive(task.packageFile, extracted) || !platform::PathExists(package)) {
        return false;
      }
      return RunMsiInstall(package, "/quiet", out);
    }
    case PKG_INSTALLER:
      return RunProgram(task.packageFile, "/S /D=" + task.installDir, out, false);
    case PKG_OTHER:
      return true;  // nothing to run
    default:
      return false;
  }
}

bool CControl::IsPackageInstalled(InstallInfo& task) {
  return task.kind == PKG_DOTNET4 && IsNet4Installed(Net4Profile::Client);
}
