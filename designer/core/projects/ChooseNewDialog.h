#pragma once
// "Start a New Project": how the new project is made.
#include "Dialog.h"

enum class NewProjectMethod { kChoose, kMenuWizard, kQuickieSilentWizard, kSilentWizard, kNewProjectDialog };

class CChooseNewDialog : public wingui::CDialog {
public:
    CChooseNewDialog();
    NewProjectMethod Method() const { return method_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    void OnOK() override;

private:
    NewProjectMethod method_ = NewProjectMethod::kMenuWizard;
};
