#include "AutorunApp.h"

#include <windows.h>
#include <commctrl.h>

#include "DiscRoot.h"
#include "LateOle.h"
#include "MessageBox.h"
#include "StartupTrace.h"
#include "StepWalker.h"
#include "profile/FileSession.h"
#include "resource.h"
#include "util/LocalFiles.h"

bool CAutorunApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // The disc is where this program lies, whatever the command line says: a
    // bare "Autorun.exe" started from elsewhere must not read the settings of
    // whatever directory or drive is current.
    const std::string discRoot = DiscRootFromProgramPath(GetModulePath());

    // OLE starts on this thread when a step first needs it (the HTML menu's
    // browser control, the shell): most discs never load its libraries.
    wingui::ole::SetUiThread();
    SetRegistryKey("Local AppWizard-Generated Applications");
    wingui::MarkStartup(wingui::StartupStage::LibrariesReady);

    const std::string settingsPath = DiscPath(discRoot, "\\AutoRun\\Settings.ini");
    const std::string infPath = DiscPath(discRoot, "\\Autorun.inf");
    if (FileExists(settingsPath) && FileExists(infPath)) {
        // The player never writes its settings: one read of the file
        // answers every key for the whole run.
        profile::FileSession settingsFile(settingsPath);
        wingui::MarkStartup(wingui::StartupStage::SettingsFileRead);
        settings_.SetFileName(settingsPath);
        settings_.Load();
        wingui::MarkStartup(wingui::StartupStage::RecordsLoaded);
        RunRootList(settings_, discRoot);
    } else {
        wingui::ShowStringMessage(nullptr, {IDS_DISC_INCOMPLETE, IDS_CANNOT_CONTINUE}, MB_OK | MB_ICONSTOP);
    }
    wingui::ole::EndUiThreadOle();
    return false;
}
