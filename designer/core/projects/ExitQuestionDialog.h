#pragma once
// The question when no project is left: create one ("&New Project...",
// IDOK) or end the program ("&Exit", IDCANCEL).
#include "Dialog.h"

class CExitQuestionDialog : public wingui::CDialog {
public:
    CExitQuestionDialog();

protected:
    BOOL OnInitDialog() override;
};
