#include "DriverForm.h"

#include <string>

#include "FormRules.h"
#include "ProjectFilePicker.h"
#include "records/SettingsDriver.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 12;

}  // namespace

CDriverForm::CDriverForm(IDesignerHost& host) : CRecordForm(IDD_DRIVER_FORM, host, kHelpTopic) {}

BOOL CDriverForm::OnInitDialog() {
    list_.Attach(Item(IDC_DRIVER_LIST));
    const BOOL result = CSettingsForm::OnInitDialog();
    AddPictureButton(IDC_DRIVER_UP);
    AddPictureButton(IDC_DRIVER_DOWN);
    return result;
}

void CDriverForm::Fill(CSettingsDriver&) { ShowDirectories(0); }

void CDriverForm::ShowDirectories(int selected) {
    list_.Clear();
    for (int i = 0; i < record_->DirectoryCount(); ++i) list_.Add(record_->GetDirectory(i));
    if (selected >= 0 && selected < list_.Count()) list_.Select(selected);
    UpdateControls();
}

bool CDriverForm::UpdateControls() {
    const DriverListButtons buttons = DriverButtonsFor(list_.Count(), list_.Selection());
    EnableWindow(Item(IDC_DRIVER_EDIT), buttons.edit);
    EnableWindow(Item(IDC_DRIVER_DELETE), buttons.remove);
    EnableWindow(Item(IDC_DRIVER_UP), buttons.up);
    EnableWindow(Item(IDC_DRIVER_DOWN), buttons.down);
    return true;
}

void CDriverForm::Changed(int selected) {
    record_->SaveRecord();
    ShowDirectories(selected);
    Host().ProjectChanged();
}

void CDriverForm::Add() {
    std::string directory;
    if (!ChooseProjectDirectory(GetAncestor(Handle(), GA_ROOT), IDS_CHOOSE_DRIVER_DIRECTORY, ProjectDirectory(), true,
                                directory)) {
        return;
    }
    record_->AddDirectory(directory);
    Changed(record_->DirectoryCount() - 1);
}

void CDriverForm::Edit() {
    const int selected = list_.Selection();
    if (selected < 0) return;
    std::string directory = record_->GetDirectory(selected);
    if (!ChooseProjectDirectory(GetAncestor(Handle(), GA_ROOT), IDS_CHOOSE_DRIVER_DIRECTORY, ProjectDirectory(), true,
                                directory)) {
        return;
    }
    record_->SetDirectory(selected, directory);
    Changed(selected);
}

void CDriverForm::Delete() {
    const int selected = list_.Selection();
    if (selected < 0 || !record_->RemoveDirectoryAt(selected)) return;
    Changed(SelectionAfterDelete(selected, record_->DirectoryCount()));
}

void CDriverForm::Move(bool up) {
    const int selected = list_.Selection();
    const int upper = up ? selected - 1 : selected;
    if (selected < 0 || upper < 0 || !record_->MoveDirectoryDown(upper)) return;
    Changed(up ? selected - 1 : selected + 1);
}

bool CDriverForm::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDC_DRIVER_LIST) {
        if (notifyCode == LBN_SELCHANGE) UpdateControls();
        if (notifyCode == LBN_DBLCLK) Edit();
        return true;
    }
    return CSettingsForm::OnCommand(id, notifyCode, control);
}

bool CDriverForm::OnButton(WORD id) {
    switch (id) {
        case IDC_DRIVER_ADD: Add(); return true;
        case IDC_DRIVER_EDIT: Edit(); return true;
        case IDC_DRIVER_DELETE: Delete(); return true;
        case IDC_DRIVER_UP: Move(true); return true;
        case IDC_DRIVER_DOWN: Move(false); return true;
        default: return false;
    }
}

// The buttons have changed the record already.
void CDriverForm::Store(CSettingsDriver&) {}
