#include "InstallForm.h"

#include <cstring>
#include <vector>

#include "DesignerMessage.h"
#include "FileTypeChoice.h"
#include "LaunchKinds.h"
#include "ProjectFilePicker.h"
#include "ResourceString.h"
#include "../../resource.h"

namespace {

constexpr int kHelpTopic = 10;

std::vector<std::string> Entries(HWND box) {
    std::vector<std::string> entries;
    const int count = int(SendMessageA(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, WPARAM(i), 0);
        std::string text(std::size_t(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(box, CB_GETLBTEXT, WPARAM(i), LPARAM(text.data()));
        text.resize(std::strlen(text.c_str()));
        entries.push_back(text);
    }
    return entries;
}

}  // namespace

CInstallForm::CInstallForm(IDesignerHost& host) : CRecordForm(IDD_INSTALL_FORM, host, kHelpTopic) {}

BOOL CInstallForm::OnInitDialog() {
    Filling filling(*this);
    for (UINT id = IDS_FILE_TYPE_FIRST; id <= IDS_FILE_TYPE_LAST; ++id) {
        SendDlgItemMessageA(Handle(), IDC_INSTALL_TYPE, CB_ADDSTRING, 0, LPARAM(wingui::LoadResourceString(id).c_str()));
    }
    return CSettingsForm::OnInitDialog();
}

void CInstallForm::ShowFileType(const std::string& extension) {
    Filling filling(*this);
    HWND box = Item(IDC_INSTALL_TYPE);
    int entry = FileTypeEntryFor(Entries(box), extension);
    if (entry < 0 && !extension.empty()) {
        entry = int(SendMessageA(box, CB_ADDSTRING, 0, LPARAM(("*." + extension).c_str())));
    }
    SendMessageA(box, CB_SETCURSEL, WPARAM(entry), 0);
}

void CInstallForm::Fill(CSettingsInstall& record) {
    SetText(IDC_INSTALL_FILE, record.File);
    SetText(IDC_INSTALL_PARAMETERS, record.Parameters);
    SetChecked(IDC_INSTALL_WAIT, record.LaunchAndWait);
    {
        Filling filling(*this);
        const int when = record.When == CSettingsInstall::kEveryTime  ? IDC_INSTALL_ALWAYS
                         : record.When == CSettingsInstall::kByFileType ? IDC_INSTALL_BY_VIEWER
                                                                        : IDC_INSTALL_FIRST_TIME;
        CheckRadioButton(Handle(), IDC_INSTALL_FIRST_TIME, IDC_INSTALL_BY_VIEWER, when);
        CheckRadioButton(Handle(), IDC_INSTALL_NO_VIEWER, IDC_INSTALL_OLDER_VIEWER,
                         record.WhenViewer == CSettingsInstall::kWhenOlderVersion ? IDC_INSTALL_OLDER_VIEWER
                                                                                 : IDC_INSTALL_NO_VIEWER);
    }
    ShowFileType(record.FileExtension);
    SetText(IDC_INSTALL_VERSION, record.Version);
    SetChecked(IDC_INSTALL_PROMPT, record.Prompt);
    SetText(IDC_INSTALL_MESSAGE, record.Message);
    SetChecked(IDC_INSTALL_SKIP, record.Skip);
}

bool CInstallForm::UpdateControls() {
    EnableItems({IDC_INSTALL_TYPE_LABEL, IDC_INSTALL_TYPE, IDC_INSTALL_NO_VIEWER, IDC_INSTALL_OLDER_VIEWER,
                 IDC_INSTALL_VERSION},
                Checked(IDC_INSTALL_BY_VIEWER));
    EnableItems({IDC_INSTALL_MESSAGE_LABEL, IDC_INSTALL_MESSAGE, IDC_INSTALL_SKIP}, Checked(IDC_INSTALL_PROMPT));
    return true;
}

void CInstallForm::OnEdited(WORD id, WORD notifyCode) {
    if (id == IDC_INSTALL_FIRST_TIME || id == IDC_INSTALL_ALWAYS || id == IDC_INSTALL_BY_VIEWER ||
        id == IDC_INSTALL_PROMPT) {
        UpdateControls();
    }
    CSettingsForm::OnEdited(id, notifyCode);
}

bool CInstallForm::OnButton(WORD id) {
    if (id != IDC_INSTALL_BROWSE) return false;
    std::string path = Text(IDC_INSTALL_FILE);
    ProjectFileRequest request{IDS_SELECT_INSTALLER, IDS_FILTER_INSTALLERS};
    request.requireExtension = true;
    HWND owner = GetAncestor(Handle(), GA_ROOT);
    if (!ChooseProjectFile(owner, request, ProjectDirectory(), path)) return true;
    // The disc's own player is no installer.
    if (ReservedDiscFileOf(path) == ReservedDiscFile::kPlayerProgram) {
        ShowDesignerMessage(owner, IDS_AUTORUN_NOT_SELECTABLE, MB_OK | MB_ICONERROR);
        return true;
    }
    SetText(IDC_INSTALL_FILE, path);
    Host().ProjectChanged();
    return true;
}

void CInstallForm::Store(CSettingsInstall& record) {
    record.File = Text(IDC_INSTALL_FILE);
    record.Parameters = TrimmedText(IDC_INSTALL_PARAMETERS);
    record.LaunchAndWait = Checked(IDC_INSTALL_WAIT);
    record.When = Checked(IDC_INSTALL_ALWAYS)      ? CSettingsInstall::kEveryTime
                  : Checked(IDC_INSTALL_BY_VIEWER) ? CSettingsInstall::kByFileType
                                                   : CSettingsInstall::kFirstTimeOnly;
    record.WhenViewer = Checked(IDC_INSTALL_OLDER_VIEWER) ? CSettingsInstall::kWhenOlderVersion
                                                          : CSettingsInstall::kWhenNoProgram;
    record.FileExtension = FileTypeToStore(Text(IDC_INSTALL_TYPE));
    record.Version = TrimmedText(IDC_INSTALL_VERSION);
    record.Prompt = Checked(IDC_INSTALL_PROMPT);
    record.Message = TrimmedText(IDC_INSTALL_MESSAGE);
    record.Skip = Checked(IDC_INSTALL_SKIP);
}
