#pragma once
// The player's walker of step lists. It runs the root list in order, opens
// menus modally on a stack (only the innermost is visible) and runs a pressed
// button's actions by the same rules. Every step returns true to go on;
// false stops the list being run.
#include <string>
#include <vector>

#include "StepActions.h"
#include "StepWindows.h"
#include "WindowHandle.h"

class CDiscSettings;
class CSettingsButton;
class CSettingsHtml;
class CSettingsInstall;
class CSettingsLaunch;
class CSettingsLicense;
class CSettingsList;
class CSettingsSecurity;
class CSettingsSplash;
class IHistoryStore;

class CStepSequencer {
public:
    // Nothing is owned; all must outlive the sequencer.
    CStepSequencer(CDiscSettings& disc, std::string discRoot, IStepWindows& windows, IStepActions& actions,
                   IHistoryStore& history);
    CStepSequencer(const CStepSequencer&) = delete;
    CStepSequencer& operator=(const CStepSequencer&) = delete;

    // The root list.
    bool Run(CSettingsList& list);
    // A pressed button's actions, with the menu window as their parent.
    bool RunButton(CSettingsButton& button, HWND menuWindow);
    // The run-button message: hides the menu while a "WindowClose" button
    // runs, closes it with OK when the actions went on, shows it again when
    // they stopped. Returns 0.
    LRESULT HandleRunButtonMessage(CSettingsButton& button, IMenuWindow& menuWindow);

    bool ShowSplash(const CSettingsSplash& splash);
    bool RunLogin(const CSettingsSecurity& login);
    bool ShowLicense(const CSettingsLicense& license);
    bool ShowMenu(CSettingsHtml& menu);
    bool RunInstall(CSettingsInstall& install, const std::string& section, HWND parent);
    bool RunAction(CSettingsLaunch& action, const std::string& section, HWND parent, bool disableParent,
                   bool noWait);

    // The first-run history of this disc (step class "License", "Security"
    // or "Install"; the file value name is used for "Install" only).
    bool HistoryIsDone(const std::string& stepClass, const std::string& section,
                       const std::string& fileValueName = std::string()) const;
    void HistoryMarkDone(const std::string& stepClass, const std::string& section,
                         const std::string& fileValueName = std::string()) const;

    CDiscSettings& Disc() const { return disc_; }
    const std::string& DiscRoot() const { return discRoot_; }
    // Number of menu windows open now.
    std::size_t MenuDepth() const { return menuStack_.size(); }

private:
    bool RunList(CSettingsList& list, HWND parent);

    CDiscSettings& disc_;
    std::string discRoot_;
    IStepWindows& windows_;
    IStepActions& actions_;
    IHistoryStore& history_;
    std::vector<IMenuWindow*> menuStack_;
};
