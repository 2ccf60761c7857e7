#include "IconForm.h"

#include <string>

#include "FormRules.h"
#include "ProjectFilePicker.h"
#include "records/SettingsIcon.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 5;
constexpr int kHighestIndex = 10;

}  // namespace

CIconForm::CIconForm(IDesignerHost& host) : CRecordForm(IDD_ICON_FORM, host, kHelpTopic) {}

BOOL CIconForm::OnInitDialog() {
    Filling filling(*this);
    for (int index = 0; index <= kHighestIndex; ++index) {
        SendDlgItemMessageA(Handle(), IDC_ICON_INDEX, CB_ADDSTRING, 0, LPARAM(std::to_string(index).c_str()));
    }
    return CSettingsForm::OnInitDialog();
}

void CIconForm::Fill(CSettingsIcon& record) {
    {
        Filling filling(*this);
        CheckRadioButton(Handle(), IDC_ICON_DEFAULT, IDC_ICON_CUSTOM,
                         record.Type == 2 ? IDC_ICON_CUSTOM : IDC_ICON_DEFAULT);
        SendDlgItemMessageA(Handle(), IDC_ICON_INDEX, CB_SETCURSEL,
                            WPARAM(record.Number >= 0 && record.Number <= kHighestIndex ? record.Number : 0), 0);
    }
    SetText(IDC_ICON_FILE, record.Filename);
}

bool CIconForm::UpdateControls() {
    const bool custom = Checked(IDC_ICON_CUSTOM);
    EnableItems({IDC_ICON_FILE_LABEL, IDC_ICON_FILE, IDC_ICON_BROWSE, IDC_ICON_INDEX_LABEL, IDC_ICON_INDEX}, custom);
    ShowItems({IDC_ICON_INDEX_LABEL, IDC_ICON_INDEX}, ShowsIconIndex(Text(IDC_ICON_FILE)));
    return true;
}

void CIconForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_ICON_DEFAULT || id == IDC_ICON_CUSTOM || id == IDC_ICON_FILE) UpdateControls();
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CIconForm::OnButton(WORD id) {
    if (id != IDC_ICON_BROWSE) return false;
    std::string path = Text(IDC_ICON_FILE);
    const ProjectFileRequest request{IDS_SELECT_ICON, IDS_FILTER_ICONS, true};
    if (ChooseProjectFile(GetAncestor(Handle(), GA_ROOT), request, ProjectDirectory(), path)) {
        SetText(IDC_ICON_FILE, path);
        UpdateControls();
        Host().ProjectChanged();
    }
    return true;
}

void CIconForm::Store(CSettingsIcon& record) {
    record.Type = Checked(IDC_ICON_CUSTOM) ? 2 : 1;
    record.Filename = Text(IDC_ICON_FILE);
    const LRESULT index = SendDlgItemMessageA(Handle(), IDC_ICON_INDEX, CB_GETCURSEL, 0, 0);
    record.Number = index == CB_ERR ? 0 : int(index);
}
