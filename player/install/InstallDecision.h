#pragma once
// Whether an install step runs its installer: the first time, every time, or
// by the program Windows associates with a file type and that program's
// version. The lookups are the system's; tests answer them from a table.
#include <string>

class CSettingsInstall;

class IInstallLookups {
public:
    virtual ~IInstallLookups() = default;
    // The first-run history entry of the step ("Install", section, value).
    virtual bool HistoryIsDone(const std::string& section, const std::string& historyValue) = 0;
    virtual void HistoryMarkDone(const std::string& section, const std::string& historyValue) = 0;
    // The program that opens files with the extension (no dot).
    virtual bool FindProgramForExtension(const std::string& extension, std::string& program) = 0;
    // The program's file version in the short form "%hu.%02hu".
    virtual bool FileVersionShort(const std::string& program, std::string& version) = 0;
};

// False when the step does nothing (an empty history value, a first-time
// step already done, a program present or new enough).
bool InstallIsNeeded(const CSettingsInstall& install, const std::string& section, IInstallLookups& lookups);

// The installer's full path: the disc root without a trailing backslash,
// followed by the record's File.
std::string InstallerPath(const std::string& discRoot, const std::string& file);
// The path up to its last backslash.
std::string InstallerWorkingDirectory(const std::string& installerPath);
