#include "TopForm.h"

#include "DesignerHelp.h"
#include "controls/ComboBox.h"
#include "DiscSettings.h"
#include "ResourceString.h"
#include "ToolTipText.h"
#include "../../resource.h"

namespace {

constexpr int kTopFormHelp = 28;
constexpr int kToolTipIds[] = {IDC_CHANGE_DIRECTORY, IDC_TEST,   IDC_CREATE,            IDC_MANAGE_PROJECTS,
                               IDC_TOP_HELP,         IDC_BURN,   IDC_PROJECT_DIRECTORY, IDC_PROJECT_BOX};

}  // namespace

CTopForm::CTopForm() : CDialog(IDD_TOP_FORM), look_(RGB(255, 255, 255)) {}

BOOL CTopForm::OnInitDialog() {
    buttons_.Add(Handle(), IDC_MANAGE_PROJECTS, "TxtButton");
    buttons_.Add(Handle(), IDC_CHANGE_DIRECTORY, "TxtButton");
    for (int id : {IDC_CREATE, IDC_TEST, IDC_BURN}) buttons_.Add(Handle(), id, "BigButton");
    buttons_.Add(Handle(), IDC_TOP_HELP, "Help", false);
    buttons_.Add(Handle(), IDC_SPARE_HELP, "Help", false);
    toolTips_.Create(Handle());
    for (int id : kToolTipIds) toolTips_.Add(Item(id), ToolTipText(wingui::LoadResourceString(UINT(id))));
    EnableTestAndBurn(false);
    return FALSE;
}

void CTopForm::ShowProjects(const std::vector<std::unique_ptr<CDiscSettings>>& projects,
                            const CDiscSettings* current) {
    HWND box = Item(IDC_PROJECT_BOX);
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    wingui::CComboBox choices(box);
    choices.Clear();
    for (const auto& project : projects) choices.Add(project->ProjectName, LPARAM(project.get()));
    choices.SelectData(LPARAM(current));
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    ShowDirectory(current ? current->TargetDir : std::string());
}

void CTopForm::ShowDirectory(const std::string& directory) {
    SetDlgItemTextA(Handle(), IDC_PROJECT_DIRECTORY, directory.c_str());
}

void CTopForm::EnableTestAndBurn(bool enabled) {
    EnableWindow(Item(IDC_TEST), enabled);
    EnableWindow(Item(IDC_BURN), enabled);
}

CDiscSettings* CTopForm::ChosenProject() const {
    return reinterpret_cast<CDiscSettings*>(wingui::CComboBox(Item(IDC_PROJECT_BOX)).SelectedData().value_or(0));
}

bool CTopForm::OnCommand(WORD id, WORD notifyCode, HWND control) {
    HWND frame = GetAncestor(Handle(), GA_ROOT);
    auto forward = [&](UINT command) {
        PostMessageA(frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        return true;
    };
    switch (id) {
        case IDC_MANAGE_PROJECTS: return forward(ID_MANAGE_PROJECTS);
        case IDC_CREATE: return forward(ID_BUILD);
        case IDC_TEST: return forward(ID_TEST);
        case IDC_BURN: return forward(ID_BURN);
        case IDC_CHANGE_DIRECTORY: return forward(IDC_CHANGE_DIRECTORY);
        case IDC_TOP_HELP:
            ShowHelpTopic(frame, kTopFormHelp);
            return true;
        case IDC_SPARE_HELP:
            return true;
        case IDC_PROJECT_BOX:
            if (notifyCode == CBN_SELCHANGE) forward(IDC_PROJECT_BOX);
            return true;
        default:
            // Enter and Escape in a pane do nothing.
            return id == IDOK || id == IDCANCEL || CDialog::OnCommand(id, notifyCode, control);
    }
}

bool CTopForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    // The read-only directory box keeps the look of one.
    return look_.Handle(Handle(), buttons_, message, wParam, lParam, result, IDC_PROJECT_DIRECTORY);
}
