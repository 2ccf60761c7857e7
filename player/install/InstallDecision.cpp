#include "InstallDecision.h"

#include "util/ContainedPath.h"

#include "history/DiscHistory.h"
#include "records/SettingsInstall.h"
#include "util/VersionText.h"

namespace {

bool NeededByFileType(const CSettingsInstall& install, IInstallLookups& lookups) {
    std::string program;
    if (!lookups.FindProgramForExtension(install.FileExtension, program)) return true;
    if (install.WhenViewer == CSettingsInstall::kWhenNoProgram) return false;
    if (install.Version.empty()) return false;
    std::string programVersion;
    if (!lookups.FileVersionShort(program, programVersion)) return true;
    // 2: the second (the record's Version) is the higher one.
    return CompareVersions(programVersion, install.Version) == 2;
}

}  // namespace

bool InstallIsNeeded(const CSettingsInstall& install, const std::string& section, IInstallLookups& lookups) {
    const std::string historyValue = HistoryInstallValueName(install.File);
    if (historyValue.empty()) return false;
    switch (install.When) {
        case CSettingsInstall::kFirstTimeOnly:
            return !lookups.HistoryIsDone(section, historyValue);
        case CSettingsInstall::kByFileType:
            return NeededByFileType(install, lookups);
        default:
            return true;
    }
}

std::string InstallerPath(const std::string& discRoot, const std::string& file) {
    return ResolveInsideOrNothing(discRoot, file);
}

std::string InstallerWorkingDirectory(const std::string& installerPath) {
    const std::size_t slash = installerPath.rfind('\\');
    return slash == std::string::npos ? std::string() : installerPath.substr(0, slash);
}
