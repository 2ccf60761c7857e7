#pragma once
// "Edit Project": a project's name and directory.
#include "Dialog.h"

class CDiscSettings;

class CEditProjectDialog : public wingui::CDialog {
public:
    explicit CEditProjectDialog(CDiscSettings& project);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    CDiscSettings& project_;
    bool filling_ = false;
};
