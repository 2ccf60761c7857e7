#include "NewProjectDialog.h"

#include "DiscSettings.h"
#include "ProjectFields.h"
#include "ProjectNames.h"
#include "WindowText.h"
#include "../../resource.h"

CNewProjectDialog::CNewProjectDialog(CDiscSettings& project, std::string defaultDirectory)
    : CDialog(IDD_NEW_PROJECT), project_(project), defaultDirectory_(std::move(defaultDirectory)) {}

BOOL CNewProjectDialog::OnInitDialog() {
    // The text boxes report their first filling too: that is not typing.
    settingDirectory_ = true;
    SetDlgItemTextA(Handle(), IDC_PROJECT_NAME, project_.ProjectName.c_str());
    SetDlgItemTextA(Handle(), IDC_PROJECT_DIR,
                    (project_.TargetDir.empty() ? defaultDirectory_ : project_.TargetDir).c_str());
    settingDirectory_ = false;
    previousName_ = project_.ProjectName;
    CheckRadioButton(Handle(), IDC_SILENT, IDC_MENU,
                     project_.AutorunType == CDiscSettings::kMenuDisc ? IDC_MENU : IDC_SILENT);
    ShowWindow(Item(IDC_DIRECTORY_HELP), SW_HIDE);
    EnableOkWhenNamed(Handle());
    SendDlgItemMessageA(Handle(), IDC_PROJECT_NAME, EM_LIMITTEXT, 260, 0);
    SetFocus(Item(IDC_PROJECT_NAME));
    return FALSE;
}

void CNewProjectDialog::NameChanged() {
    const std::string name = TrimmedItemText(Handle(), IDC_PROJECT_NAME);
    const std::string directory = wingui::DialogItemText(Handle(), IDC_PROJECT_DIR);
    const std::string following = DirectoryFollowingName(directory, defaultDirectory_, previousName_, name);
    if (following != directory) {
        settingDirectory_ = true;
        SetDlgItemTextA(Handle(), IDC_PROJECT_DIR, following.c_str());
        settingDirectory_ = false;
    }
    previousName_ = name;
    EnableOkWhenNamed(Handle());
}

bool CNewProjectDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
        case IDC_PROJECT_NAME:
            if (notifyCode == EN_CHANGE && !settingDirectory_) NameChanged();
            return true;
        case IDC_PROJECT_DIR:
            if (notifyCode == EN_CHANGE && !settingDirectory_) ProjectFieldEdited(Handle(), project_);
            return true;
        case IDC_MENU:
        case IDC_SILENT:
            if (notifyCode == BN_CLICKED) ProjectFieldEdited(Handle(), project_);
            return true;
        case IDC_BROWSE:
            BrowseForProjectDirectory(Handle());
            return true;
        case IDC_NAME_HELP:
            return true;  // the help buttons of this dialog open nothing
        default:
            return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CNewProjectDialog::OnOK() {
    if (!TakeNameAndDirectory(Handle(), project_)) return;
    project_.AutorunType =
        IsDlgButtonChecked(Handle(), IDC_SILENT) == BST_CHECKED ? CDiscSettings::kSilentDisc : CDiscSettings::kMenuDisc;
    End(IDOK);
}
