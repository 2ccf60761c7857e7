#include "LaunchAction.h"

#include "ActionTarget.h"
#include "MessageBox.h"
#include "ResourceString.h"
#include "records/SettingsLaunch.h"
#include "resource.h"
#include "FileUtil.h"
#include "ProcessUtil.h"
#include "RegistryUtil.h"
#include "ShellUtil.h"

namespace {

void ShowNotInstalled(HWND parent) {
    wingui::ShowStringMessage(parent, {IDS_NOT_INSTALLED}, MB_OK | MB_ICONINFORMATION);
}

// The target, or false when the action ends here; goOn tells how.
bool DetermineTarget(const CSettingsLaunch& action, const std::string& discRoot, HWND parent, std::string& target,
                     bool& goOn) {
    goOn = true;
    if (action.LaunchType == CSettingsLaunch::kFromFile) {
        if (action.File.empty()) return false;
        target = FileActionTarget(action, discRoot);
        return true;
    }
    if (action.LaunchType == CSettingsLaunch::kFromRegistry) {
        if (action.RegKey.empty() || action.RegValue.empty()) return false;
        if (!ReadPathValue(action.RegKey, action.RegValue, target) || target.empty()) {
            ShowNotInstalled(parent);
            goOn = false;
        }
        return goOn;
    }
    return false;
}

// A disc item that is not there: skipped when the author named it, reported
// when the registry named it.
bool MissingItem(const CSettingsLaunch& action, HWND parent) {
    if (action.LaunchType == CSettingsLaunch::kFromFile) return true;
    ShowNotInstalled(parent);
    return false;
}

bool ShowMessageAction(const CSettingsLaunch& action, HWND parent, const std::string& text) {
    const std::string caption =
        action.WindowTitle.empty() ? wingui::LoadResourceString(IDS_AUTORUN) : action.WindowTitle;
    const int answer = MessageBoxA(parent, text.c_str(), caption.c_str(), MessageStyle(action));
    return answer != IDNO && answer != IDCANCEL;
}

}  // namespace

bool RunAction(const CSettingsLaunch& action, const std::string& discRoot, HWND parent, bool disableParent,
               bool noWait) {
    std::string target;
    bool goOn = true;
    if (!DetermineTarget(action, discRoot, parent, target, goOn)) return goOn;

    const std::int32_t kind = action.LaunchTypeV3;
    int verb = kShellOpen;
    if (kind == kLaunchOpenDocument || kind == kLaunchRunFromDisc || kind == kLaunchPrintDocument) {
        if (!FileExists(target)) return MissingItem(action, parent);
    } else if (kind == kLaunchExplore) {
        if (!DirectoryExists(target, true)) return MissingItem(action, parent);
        verb = kShellExplore;
    }

    if (kind == kLaunchMessage) return ShowMessageAction(action, parent, target);
    if (kind == kLaunchEmail) target = EmailTarget(target, action.Subject, action.Body);

    const std::string workingDirectory = ActionWorkingDirectory(kind, target);
    const bool wait = !noWait && action.LaunchAndWait;

    if (kind == kLaunchPrintDocument) {
        ShellRun(parent, target, "", "", wait, action.Maximize, false, kShellPrint);
        return true;
    }
    std::string program;
    if (FindProgramForDocument(target, program) && IsInternetExplorer(program)) {
        RunProgram(parent, program, InternetExplorerParameters(action, target), workingDirectory, wait,
                   action.Maximize, disableParent);
    } else if (IsProgramFile(target)) {
        RunProgram(parent, target, action.Parameters, workingDirectory, wait, action.Maximize, disableParent);
    } else {
        ShellRun(parent, target, "", "", wait, action.Maximize, disableParent, verb);
    }
    return true;
}
