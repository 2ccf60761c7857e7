#pragma once
// The install step: decides whether the installer is needed, may ask, runs
// it from the disc and records it in the first-run history.
#include <windows.h>

#include <string>

#include "install/InstallDecision.h"

class CSettingsInstall;

struct InstallFlags {
    bool disableParent = true;  // while waiting for the installer
    bool skip = false;          // evaluate the conditions only
    bool noWait = false;        // never wait for the installer
};

// Always true: the list goes on after an install step.
bool RunInstall(const CSettingsInstall& install, const std::string& section, const std::string& discRoot,
                HWND parent, InstallFlags flags, IInstallLookups& lookups);

// The system's file type association and version resources; the history is
// the caller's.
class CSystemInstallLookups : public IInstallLookups {
public:
    bool FindProgramForExtension(const std::string& extension, std::string& program) override;
    bool FileVersionShort(const std::string& program, std::string& version) override;
};
