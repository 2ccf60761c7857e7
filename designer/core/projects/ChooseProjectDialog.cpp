#include "ChooseProjectDialog.h"

#include "ControlPlacement.h"
#include "DesignerHelp.h"
#include "DiscSettings.h"
#include "ProjectList.h"
#include "ResourceString.h"
#include "../../resource.h"

namespace {

constexpr int kManageHelp = 28;
constexpr int kOpenHelp = 260;

}  // namespace

CChooseProjectDialog::CChooseProjectDialog(Mode mode, const CProjectList& projects, IProjectManagement& management)
    : CDialog(IDD_CHOOSE_PROJECT), mode_(mode), projects_(projects), management_(management) {}

BOOL CChooseProjectDialog::OnInitDialog() {
    list_.Attach(Item(IDC_PROJECT_LIST));
    if (mode_ == Mode::kOpen) {
        LayOutForOpening();
    } else {
        // One button closes the dialog: OK takes Cancel's place.
        ShowWindow(Item(IDCANCEL), SW_HIDE);
        MoveControl(Item(IDOK), RectInParent(Item(IDCANCEL)));
    }
    Fill();
    SelectProject(projects_.Current());
    EnableButtons();
    SetFocus(list_.Handle());
    return FALSE;
}

void CChooseProjectDialog::LayOutForOpening() {
    SetWindowTextA(Handle(), wingui::LoadResourceString(IDS_OPEN_PROJECT).c_str());
    for (int id : {IDC_NEW, IDC_EDIT, IDC_COPY, IDC_DELETE}) ShowWindow(Item(id), SW_HIDE);
    // The list reaches to the buttons' right edge; OK, Cancel and Help sit below it.
    RECT listRect = RectInParent(list_.Handle());
    const RECT okRect = RectInParent(Item(IDOK));
    const RECT helpRect = RectInParent(Item(IDHELP));
    const int buttonHeight = okRect.bottom - okRect.top;
    const int buttonWidth = okRect.right - okRect.left;
    const int gap = buttonHeight / 3;
    listRect.right = okRect.right;
    listRect.bottom = helpRect.bottom - buttonHeight - gap;
    MoveControl(list_.Handle(), listRect);
    int right = okRect.right;
    for (int id : {IDHELP, IDCANCEL, IDOK}) {
        MoveControl(Item(id), {right - buttonWidth, helpRect.bottom - buttonHeight, right, helpRect.bottom});
        right -= buttonWidth + gap;
    }
}

void CChooseProjectDialog::Fill() {
    list_.Clear();
    for (const auto& project : projects_.Projects()) list_.Add(project->ProjectName, LPARAM(project.get()));
}

void CChooseProjectDialog::SelectProject(const CDiscSettings* project) {
    for (int i = 0; i < list_.Count(); ++i) {
        if (list_.Data(i) == LPARAM(project)) {
            list_.Select(i);
            return;
        }
    }
    if (list_.Count() > 0 && list_.Selection() < 0) list_.Select(0);
}

CDiscSettings* CChooseProjectDialog::SelectedProject() const {
    const int index = list_.Selection();
    return index >= 0 ? reinterpret_cast<CDiscSettings*>(list_.Data(index)) : nullptr;
}

void CChooseProjectDialog::EnableButtons() {
    const bool any = list_.Count() > 0;
    for (int id : {IDC_COPY, IDC_EDIT, IDC_DELETE, IDOK}) EnableWindow(Item(id), any);
    // Manage mode closes with OK even without projects: the question follows.
    if (mode_ == Mode::kManage) EnableWindow(Item(IDOK), TRUE);
}

void CChooseProjectDialog::Delete() {
    CDiscSettings* project = SelectedProject();
    if (!project) return;
    const int index = list_.Selection();
    if (!management_.DeleteProject(*project)) return;
    list_.Delete(index);
    if (list_.Count() > 0) list_.Select(index < list_.Count() ? index : list_.Count() - 1);
    EnableButtons();
}

bool CChooseProjectDialog::OnCommand(WORD id, WORD notifyCode, HWND control) {
    switch (id) {
        case IDC_PROJECT_LIST:
            if (notifyCode == LBN_DBLCLK) OnOK();
            if (notifyCode == LBN_SELCHANGE) EnableButtons();
            return true;
        case IDC_NEW:
            if (CDiscSettings* created = management_.CreateProject()) {
                Fill();
                SelectProject(created);
                EnableButtons();
            }
            return true;
        case IDC_EDIT:
            if (CDiscSettings* project = SelectedProject(); project && management_.EditProject(*project)) {
                Fill();
                SelectProject(project);
            }
            return true;
        case IDC_COPY:
            if (CDiscSettings* project = SelectedProject()) {
                if (CDiscSettings* copy = management_.CopyProject(*project)) {
                    Fill();
                    SelectProject(copy);
                    EnableButtons();
                }
            }
            return true;
        case IDC_DELETE:
            Delete();
            return true;
        case IDHELP:
            ShowHelpTopic(Handle(), mode_ == Mode::kOpen ? kOpenHelp : kManageHelp);
            return true;
        default:
            return CDialog::OnCommand(id, notifyCode, control);
    }
}

void CChooseProjectDialog::OnOK() {
    if (mode_ == Mode::kOpen) {
        chosen_ = SelectedProject();
        if (!chosen_) return;
    }
    End(IDOK);
}
