#pragma once
// Everything the step sequencer shows on screen goes through these
// interfaces, so the walk itself can run with scripted answers in tests while
// the player plugs in its real dialogs and menu windows.
#include <memory>
#include <string>

#include "WindowHandle.h"

class CDiscSettings;
class CSettingsHtml;
class CSettingsInstall;
class CSettingsLicense;
class CSettingsSecurity;
class CSettingsSplash;
class CStepSequencer;

// One open menu window (standard or HTML), created for one menu step.
class IMenuWindow {
public:
    virtual ~IMenuWindow() = default;
    // Shows the window modally; returns when it closes, with its result.
    virtual INT_PTR RunModal() = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
    // Ends the modal loop with the result (1 = OK).
    virtual void EndModal(INT_PTR result) = 0;
    // The window as parent of dialogs and started programs; null before
    // RunModal has created it.
    virtual HWND Handle() const = 0;
};

class IStepWindows {
public:
    virtual ~IStepWindows() = default;
    // The splash window when "Image" is set, else the sound alone.
    virtual void ShowSplash(const CSettingsSplash& splash) = 0;
    // One showing of the login dialog; false when the user cancels.
    virtual bool AskLogin(const CSettingsSecurity& login, std::string& user, std::string& password) = 0;
    // Message 103 after a wrong user name or password.
    virtual void ShowAccessDenied() = 0;
    // The license dialog; 1 when accepted (OK).
    virtual INT_PTR ShowLicense(const CSettingsLicense& license) = 0;
    // A menu window for the menu record, or null when none can be made (the
    // menu step then shows nothing).
    virtual std::unique_ptr<IMenuWindow> CreateMenuWindow(CDiscSettings& disc, CSettingsHtml& menu,
                                                          CStepSequencer& sequencer) = 0;
    // The install step; true to go on.
    virtual bool RunInstall(CSettingsInstall& install, const std::string& section, HWND parent,
                            CStepSequencer& sequencer) = 0;
};
