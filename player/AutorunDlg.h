#pragma once
// The player's menu window: the standard menu of CAutorunMenuDlg, plus what
// only the player does: running a pressed button's actions through the step
// sequencer, the HTML menu, the disc's window icon and the About entry.
#include <windows.h>

#include <memory>
#include <string>

#include "AutorunMenuDlg.h"
#include "Handles.h"
#include "sequencer/StepWindows.h"

class CDiscSettings;
class CHtmlMenuHost;
class CSettingsButton;
class CStepSequencer;

class CAutorunDlg : public CAutorunMenuDlg, public IMenuWindow, private IMenuButtonListener {
public:
    // The window of one menu step; files are found below the sequencer's
    // disc root.
    CAutorunDlg(CDiscSettings& disc, CSettingsHtml& menu, CStepSequencer& sequencer);
    ~CAutorunDlg() override;

    BOOL BuildHtmlMenu() override;

    // Runs the first button record whose caption matches, ignoring case.
    // False when none matches.
    bool PressButtonNamed(const std::string& caption);
    // Makes the record the button being run and sends the window the
    // run-button message (the HTML menu's links arrive here directly).
    void RunButton(CSettingsButton& button);

    // IMenuWindow
    INT_PTR RunModal() override { return ShowModal(); }
    void Hide() override;
    void Show() override;
    void EndModal(INT_PTR result) override;
    HWND Handle() const override { return CAutorunMenuDlg::Handle(); }

    CSettingsHtml* Menu() const { return menu_; }
    CSettingsButton* RunningButton() const { return runningButton_; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void OnMenuButtonPressed(int index, const std::string& caption) override;
    void AddAboutCommand();
    void SetWindowIcon();
    void PaintMinimized();

    CDiscSettings& disc_;
    CStepSequencer& sequencer_;
    CSettingsButton* runningButton_ = nullptr;
    wingui::Icon ownedIcon_;  // an icon taken from a disc file
    HICON icon_ = nullptr;
    std::unique_ptr<CHtmlMenuHost> htmlHost_;
};
