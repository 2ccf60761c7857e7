#pragma once
// "New Project": the name, the directory (which follows the name until the
// author types one of their own) and the project type.
#include <string>

#include "Dialog.h"

class CDiscSettings;

class CNewProjectDialog : public wingui::CDialog {
public:
    // defaultDirectory: where new project directories are proposed.
    CNewProjectDialog(CDiscSettings& project, std::string defaultDirectory);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    void NameChanged();

    CDiscSettings& project_;
    std::string defaultDirectory_;
    std::string previousName_;
    bool settingDirectory_ = false;
};
