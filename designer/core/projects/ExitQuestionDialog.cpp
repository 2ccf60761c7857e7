#include "ExitQuestionDialog.h"

#include "../../resource.h"

CExitQuestionDialog::CExitQuestionDialog() : CDialog(IDD_EXIT_QUESTION) {}

BOOL CExitQuestionDialog::OnInitDialog() {
    SendDlgItemMessageA(Handle(), IDC_QUESTION_ICON, STM_SETICON, WPARAM(LoadIconA(nullptr, IDI_QUESTION)), 0);
    MessageBeep(MB_ICONQUESTION);
    return TRUE;
}
