#include "AutorunApp.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "DiscRoot.h"
#include "MessageBox.h"
#include "StartupTrace.h"
#include "StepWalker.h"
#include "profile/FileSession.h"
#include "resource.h"

namespace {

std::string g_discRoot;

bool PathExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// The disc is where this program lies, whatever the command line says: a
// bare "Autorun.exe" started from elsewhere must not read the settings of
// whatever directory or drive is current.
std::string OwnProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace

const std::string& GetDiscRoot() { return g_discRoot; }

bool CAutorunApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    g_discRoot = DiscRootFromProgramPath(OwnProgramPath());

    // The browser control of the HTML menu lives in a single-threaded
    // apartment on this thread.
    OleInitialize(nullptr);
    SetRegistryKey("Local AppWizard-Generated Applications");
    wingui::MarkStartup(wingui::StartupStage::LibrariesReady);

    const std::string settingsPath = DiscPath(g_discRoot, "\\AutoRun\\Settings.ini");
    const std::string infPath = DiscPath(g_discRoot, "\\Autorun.inf");
    if (PathExists(settingsPath) && PathExists(infPath)) {
        // The player never writes its settings: one read of the file
        // answers every key for the whole run.
        profile::FileSession settingsFile(settingsPath);
        wingui::MarkStartup(wingui::StartupStage::SettingsFileRead);
        settings_.SetFileName(settingsPath);
        settings_.Load();
        wingui::MarkStartup(wingui::StartupStage::RecordsLoaded);
        RunRootList(settings_);
    } else {
        wingui::ShowStringMessage(nullptr, {IDS_DISC_INCOMPLETE, IDS_CANNOT_CONTINUE}, MB_OK | MB_ICONSTOP);
    }
    OleUninitialize();
    return false;
}
