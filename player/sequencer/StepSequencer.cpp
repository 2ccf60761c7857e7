#include "StepSequencer.h"

#include "util/ContainedPath.h"


#include "DiscSettings.h"
#include "history/DiscHistory.h"
#include "records/SettingsButton.h"
#include "records/SettingsHtml.h"
#include "records/SettingsInstall.h"
#include "records/SettingsLaunch.h"
#include "records/SettingsLicense.h"
#include "records/SettingsSecurity.h"
#include "records/SettingsSplash.h"
#include "util/TextCase.h"

namespace {

// Keeps a menu window on the stack for as long as it is shown.
class CMenuStackEntry {
public:
    CMenuStackEntry(std::vector<IMenuWindow*>& stack, IMenuWindow& window) : stack_(stack) {
        stack_.push_back(&window);
    }
    ~CMenuStackEntry() { stack_.pop_back(); }
    CMenuStackEntry(const CMenuStackEntry&) = delete;
    CMenuStackEntry& operator=(const CMenuStackEntry&) = delete;

private:
    std::vector<IMenuWindow*>& stack_;
};

}  // namespace

CStepSequencer::CStepSequencer(CDiscSettings& disc, std::string discRoot, IStepWindows& windows,
                               IStepActions& actions, IHistoryStore& history)
    : disc_(disc), discRoot_(std::move(discRoot)), windows_(windows), actions_(actions), history_(history) {}

bool CStepSequencer::Run(CSettingsList& list) { return RunList(list, nullptr); }

bool CStepSequencer::RunButton(CSettingsButton& button, HWND menuWindow) {
    return RunList(button.Actions(), menuWindow);
}

bool CStepSequencer::RunList(CSettingsList& list, HWND parent) {
    bool goOn = true;
    for (auto it = list.begin(); goOn && it != list.end(); ++it) {
        CSettings& record = **it;
        switch (record.SettingType()) {
            case kSettingSplash: ShowSplash(static_cast<const CSettingsSplash&>(record)); break;
            case kSettingLaunch:
                goOn = RunAction(static_cast<CSettingsLaunch&>(record), record.GetSection(), parent, true, false);
                break;
            case kSettingSecurity: goOn = RunLogin(static_cast<const CSettingsSecurity&>(record)); break;
            case kSettingLicense: goOn = ShowLicense(static_cast<const CSettingsLicense&>(record)); break;
            case kSettingHtml: ShowMenu(static_cast<CSettingsHtml&>(record)); break;
            case kSettingInstall:
                RunInstall(static_cast<CSettingsInstall&>(record), record.GetSection(), parent);
                break;
            default: break;
        }
    }
    return goOn;
}

LRESULT CStepSequencer::HandleRunButtonMessage(CSettingsButton& button, IMenuWindow& menuWindow) {
    if (button.WindowClose) menuWindow.Hide();
    const bool goOn = RunButton(button, menuWindow.Handle());
    if (button.WindowClose) {
        if (goOn) {
            menuWindow.EndModal(1);
        } else {
            menuWindow.Show();
        }
    }
    return 0;
}

bool CStepSequencer::ShowSplash(const CSettingsSplash& splash) {
    if (splash.Image || splash.Sound) windows_.ShowSplash(splash);
    return true;
}

bool CStepSequencer::RunLogin(const CSettingsSecurity& login) {
    if (!login.Active) return true;
    const bool firstTimeOnly = login.Frequency == CSettingsSecurity::kFirstTimeOnly;
    if (firstTimeOnly && HistoryIsDone(kHistorySecurity, login.GetSection())) return true;
    if (login.Type == 1 && !login.Username.empty()) {
        // The entries of a failed attempt are shown again.
        std::string user;
        std::string password;
        for (;;) {
            if (!windows_.AskLogin(login, user, password)) return false;
            if (password == login.Password && EqualsNoCase(user, login.Username)) break;
            windows_.ShowAccessDenied();
        }
    }
    if (firstTimeOnly) HistoryMarkDone(kHistorySecurity, login.GetSection());
    return true;
}

bool CStepSequencer::ShowLicense(const CSettingsLicense& license) {
    if (!license.Active) return true;
    const bool firstTimeOnly = license.Display == CSettingsLicense::kFirstTimeOnly;
    if (firstTimeOnly && HistoryIsDone(kHistoryLicense, license.GetSection())) return true;
    if (license.File.empty() || !actions_.FileExists(ResolveInsideOrNothing(discRoot_, license.File))) return true;
    if (windows_.ShowLicense(license) != 1) return false;
    if (firstTimeOnly) HistoryMarkDone(kHistoryLicense, license.GetSection());
    return true;
}

bool CStepSequencer::ShowMenu(CSettingsHtml& menu) {
    std::unique_ptr<IMenuWindow> window = windows_.CreateMenuWindow(disc_, menu, *this);
    if (!window) return true;
    IMenuWindow* outer = menuStack_.empty() ? nullptr : menuStack_.back();
    if (outer) outer->Hide();
    {
        CMenuStackEntry entry(menuStack_, *window);
        window->RunModal();
    }
    window.reset();
    if (outer) outer->Show();
    return true;
}

bool CStepSequencer::RunInstall(CSettingsInstall& install, const std::string& section, HWND parent) {
    windows_.RunInstall(install, section, parent, *this);
    return true;
}

bool CStepSequencer::RunAction(CSettingsLaunch& action, const std::string& section, HWND parent,
                               bool disableParent, bool noWait) {
    return actions_.RunAction(action, section, parent, disableParent, noWait);
}

bool CStepSequencer::HistoryIsDone(const std::string& stepClass, const std::string& section,
                                   const std::string& fileValueName) const {
    return history_.IsDone(disc_.CdID, stepClass, section, fileValueName);
}

void CStepSequencer::HistoryMarkDone(const std::string& stepClass, const std::string& section,
                                     const std::string& fileValueName) const {
    history_.MarkDone(disc_.CdID, stepClass, section, fileValueName);
}
