#pragma once
// The banner pane across the top: the project box, the project directory,
// and the buttons that build, test and burn the disc. Its commands go to the
// main window.
#include <windows.h>

#include <memory>
#include <vector>

#include "Dialog.h"
#include "PaneLook.h"
#include "TextButtons.h"
#include "controls/ToolTip.h"

class CDiscSettings;

class CTopForm : public wingui::CDialog {
public:
    CTopForm();

    void ShowProjects(const std::vector<std::unique_ptr<CDiscSettings>>& projects, const CDiscSettings* current);
    void ShowDirectory(const std::string& directory);
    void EnableTestAndBurn(bool enabled);
    CDiscSettings* ChosenProject() const;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    CTextButtons buttons_;
    wingui::CToolTip toolTips_;
    CPaneLook look_;
};
