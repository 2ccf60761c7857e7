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

class CAutorunDlg;

// The HTML menu inside a menu window (the browser control, its site and
// the navigation of the base file). It sees the window's messages first.
class IHtmlMenuHost {
public:
    virtual ~IHtmlMenuHost() = default;
    // True when the host handled the message; result is then the answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;
};

// Builds the HTML menu of the record in the window; null when there is none
// to show (the window then reports the missing base file and closes).
std::unique_ptr<IHtmlMenuHost> CreateHtmlMenuHost(CAutorunDlg& window, CSettingsHtml& menu,
                                                  const std::string& baseFolder);

class CAutorunDlg : public CAutorunMenuDlg, public IMenuWindow {
public:
    // Takes the disc root as its base folder.
    explicit CAutorunDlg(HWND parent = nullptr);
    ~CAutorunDlg() override;

    BOOL BuildHtmlMenu() override;

    // Runs the first button record whose caption matches, ignoring case (the
    // HTML menu's links press buttons this way too). False when none matches.
    bool PressButtonNamed(const std::string& caption);

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
    void OnMenuButton(int index) override;

private:
    void AddAboutCommand();
    void SetWindowIcon();
    void PaintMinimized();

    wingui::Icon ownedIcon_;  // an icon taken from a disc file
    HICON icon_ = nullptr;
    std::unique_ptr<IHtmlMenuHost> htmlHost_;
};
