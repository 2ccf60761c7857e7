#include "InstallStep.h"

#include "history/DiscHistory.h"
#include "install/InstallPrompt.h"
#include "records/SettingsInstall.h"
#include "util/PathNames.h"
#include "FileVersion.h"
#include "ProcessUtil.h"
#include "ShellUtil.h"

bool RunInstall(const CSettingsInstall& install, const std::string& section, const std::string& discRoot,
                HWND parent, InstallFlags flags, IInstallLookups& lookups) {
    if (!InstallIsNeeded(install, section, lookups)) return true;
    if (flags.skip) return true;
    if (install.Prompt && !install.Message.empty()) {
        CInstallPrompt prompt(install);
        if (prompt.DoModal(parent) != IDOK) return true;
    }
    const std::string path = InstallerPath(discRoot, install.File);
    const std::string workingDirectory = InstallerWorkingDirectory(path);
    const bool wait = install.LaunchAndWait && !flags.noWait;
    // An installer that cannot be started is not reported; it still counts
    // as run, so a first-time step is not offered again.
    if (IsExecutableName(path)) {
        RunProgram(parent, path, install.Parameters, workingDirectory, wait, false, flags.disableParent, nullptr);
    } else {
        ShellRun(parent, path, install.Parameters, workingDirectory, wait, false, flags.disableParent, 0);
    }
    lookups.HistoryMarkDone(section, HistoryInstallValueName(install.File));
    return true;
}

bool CSystemInstallLookups::FindProgramForExtension(const std::string& extension, std::string& program) {
    return ::FindProgramForExtension(extension, program);
}

bool CSystemInstallLookups::FileVersionShort(const std::string& program, std::string& version) {
    return GetFileVersionText(program, true, version);
}
